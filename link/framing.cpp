#include "link/framing.h"

#include <algorithm>

namespace navbin::link {

int DeframeByte(PortContext& port) {
  // Nothing left to take, or a read position outside the receive buffer: no
  // byte is read and nothing changes.
  if (port.rxCount == 0 || port.readPos < 0 ||
      static_cast<std::size_t>(port.readPos) >= kRxBufferSize) {
    return 0;
  }
  const std::uint8_t b = port.rxBuffer[static_cast<std::size_t>(port.readPos)];
  ++port.readPos;
  --port.rxCount;
  return DeframeStep(port, b);
}

std::size_t FrameLength(std::span<const std::uint8_t> packet) {
  return packet.size() + static_cast<std::size_t>(std::count(packet.begin(), packet.end(), kDle)) +
         3;
}

std::size_t BuildFrame(std::span<const std::uint8_t> packet, std::span<std::uint8_t> out) {
  if (packet.empty() || FrameLength(packet) > out.size()) return 0;
  std::size_t n = 0;
  out[n++] = kDle;
  for (std::uint8_t b : packet) {
    out[n++] = b;
    if (b == kDle) out[n++] = kDle;
  }
  out[n++] = kDle;
  out[n++] = kEtx;
  return n;
}

}  // namespace navbin::link

#include "link/serial_channel.h"

#include <array>
#include <span>
#include <utility>

#include "link/framing.h"

namespace navbin::link {
namespace {

// The de-framer fields of a port, held in locals while one read is
// de-framed so that the per-byte loop runs in registers. Written back to the
// port before every handler call and at the end.
struct LocalDeframer {
  bool dleSeen;
  std::int32_t frameLen;
  std::int32_t packetId;
  std::uint32_t packetLen;
  std::uint8_t* frameBuffer;

  explicit LocalDeframer(PortContext& port) { load(port); }
  void load(PortContext& port) {
    dleSeen = port.dleSeen;
    frameLen = port.frameLen;
    packetId = port.packetId;
    packetLen = port.packetLen;
    frameBuffer = port.frameBuffer.data();
  }
  void store(PortContext& port) const {
    port.dleSeen = dleSeen;
    port.frameLen = frameLen;
    port.packetId = packetId;
    port.packetLen = packetLen;
  }
};

int MarkLost(PortContext& port) {
  port.deviceLost = true;
  return -1;
}

// Feeds rxCount bytes from readPos to the de-framer, calling the handler for
// every complete packet. Stops early when a stoppable poll sees the capture
// flag, or when the handler closed the port.
void DeframeRead(PortContext& port, const PacketHandler& handler, bool stoppable,
                 const bool& captureFlag) {
  if (stoppable && captureFlag) return;
  LocalDeframer s(port);
  const std::uint8_t* in = port.rxBuffer.data();
  auto pos = static_cast<std::uint32_t>(port.readPos);
  std::uint32_t count = port.rxCount;
  while (count > 0) {
    const std::uint8_t b = in[pos++];
    --count;
    if (DeframeStep(s, b) == 0) continue;
    s.store(port);
    port.readPos = static_cast<std::int32_t>(pos);
    port.rxCount = count;
    if (handler) handler(port);
    if ((stoppable && captureFlag) || !port.isOpen) return;
    // The handler may have written to the port record; pick it up again.
    s.load(port);
    pos = static_cast<std::uint32_t>(port.readPos);
    count = port.rxCount;
    if (pos > kRxBufferSize || count > kRxBufferSize - pos) count = 0;
  }
  s.store(port);
  port.readPos = static_cast<std::int32_t>(pos);
  port.rxCount = count;
}

}  // namespace

SerialChannel::SerialChannel(platform::SerialBackend& backend, const platform::PortMap& portMap)
    : backend_(backend), portMap_(portMap) {}

int SerialChannel::OpenPort(PortContext& port, const std::string& deviceName,
                            std::uint32_t portIndex) {
  port.readPos = 0;
  port.frameLen = 0;
  port.rxCount = 0;
  port.packetLen = 0;
  port.dleSeen = false;
  port.monitored = false;
  port.rxActive = false;
  port.rxSeen = false;
  port.deviceLost = false;

  auto device = backend_.open(deviceName);
  if (!device) {
    // A record that still held a device lets it go rather than leak it.
    port.isOpen = false;
    port.handle.reset();
    return -1;
  }
  device->purge();
  SetLineParameters(*device, 9600, 8, 1, 0);  // result ignored, as at every open
  port.handle = std::move(device);
  port.isOpen = true;
  port.portIndex = portIndex;
  return 0;
}

bool SerialChannel::DeviceExists(int com) const {
  const std::string path = portMap_.devicePath(com);
  return !path.empty() && backend_.exists(path);
}

bool SerialChannel::ProbePort(std::uint32_t portIndex) {
  const int com = portIndex < kPortCount ? static_cast<int>(portIndex) + 1 : 0;
  return backend_.open(portMap_.devicePath(com)) != nullptr;  // closed again at once
}

int SerialChannel::ClosePort(PortContext& port) {
  port.isOpen = false;
  port.monitored = false;
  port.rxActive = false;
  port.rxSeen = false;
  if (port.handle) {
    port.handle->purge();
    port.handle.reset();
  }
  return 0;
}

int SerialChannel::PollPort(PortContext& port, const PacketHandler& handler, bool stoppable) {
  if (!port.isOpen || !port.handle) return 0;
  if (port.deviceLost) return -1;
  platform::SerialDevice& device = *port.handle;
  device.flushOutput();
  const long waiting = device.pendingInput();
  if (waiting < 0) return MarkLost(port);
  if (waiting == 0) return 0;

  const long n = device.read(port.rxBuffer.data(), kRxBufferSize);
  ++port.readIo.calls;
  if (n < 0) return MarkLost(port);
  port.readIo.bytes += static_cast<std::uint64_t>(n);
  port.rxCount = static_cast<std::uint32_t>(n);
  port.readPos = 0;
  DeframeRead(port, handler, stoppable, captureFlag);
  port.readPos = 0;
  return 0;
}

int SerialChannel::SetLineParameters(platform::SerialDevice& device, std::uint32_t baud,
                                     int byteSize, int parity, int stopBits) {
  const platform::LineParameters line{baud, byteSize, parity, stopBits};
  return device.setLineParameters(line) ? 0 : -1;
}

int SerialChannel::WriteFrame(std::size_t length, const std::uint8_t* bytes, PortContext& port) {
  if (!port.isOpen || !port.handle) return -1;
  if (bytes == nullptr || length == 0 || length > kMaxPacketLength) return -1;
  std::array<std::uint8_t, kMaxFrameLength> frame;
  const std::size_t n = BuildFrame(std::span(bytes, length), frame);
  ++port.writeIo.calls;
  if (!port.handle->write(frame.data(), n)) {
    // Dropped (output queue full) or the device is gone; neither is reported
    // to the user, but a gone device is remembered for the next poll.
    if (port.handle->lost()) return MarkLost(port);
    return 0;
  }
  port.writeIo.bytes += n;
  return 0;
}

bool SerialChannel::WaitForInput(PortContext& port, int timeoutMs) {
  if (!port.isOpen || !port.handle || port.deviceLost) return false;
  const bool ready = port.handle->waitForInput(timeoutMs);
  if (port.handle->lost()) MarkLost(port);
  return ready;
}

}  // namespace navbin::link

#pragma once
// NavBin frames: DLE, id, payload with every 0x10 doubled, DLE ETX.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/port_context.h"

namespace navbin::link {

inline constexpr std::uint8_t kDle = 0x10;
inline constexpr std::uint8_t kEtx = 0x03;

// Longest packet (id included) the frame writer accepts, and the frame it can
// produce in the worst case, every byte doubled.
inline constexpr std::size_t kMaxPacketLength = 512;
inline constexpr std::size_t kMaxFrameLength = 2 * kMaxPacketLength + 3;

// One de-framing step on any record that carries the de-framer fields
// (PortContext, or Deframer for tools that read files). Returns 1 when the
// byte completed a packet: its id is in packetId, its payload in the first
// packetLen bytes of frameBuffer.
template <class State>
inline int DeframeStep(State& s, std::uint8_t b) {
  if (s.frameLen >= static_cast<std::int32_t>(kFrameBufferSize)) {
    s.frameLen = 0;  // over-long packet: dropped
    s.packetId = 0;
    s.dleSeen = false;
  }
  if (!s.dleSeen) {
    if (b == kDle) {
      s.dleSeen = true;
    } else {
      s.frameBuffer[s.frameLen++] = b;
    }
    return 0;
  }
  s.dleSeen = false;
  if (b == kDle) {
    s.frameBuffer[s.frameLen++] = kDle;
    return 0;
  }
  if (b == kEtx) {
    s.packetLen = static_cast<std::uint32_t>(s.frameLen);
    s.frameLen = 0;
    return 1;
  }
  s.frameLen = 0;  // DLE + id: a new packet starts
  s.packetId = b;
  return 0;
}

// Feeds the byte at readPos of the port's receive buffer to its de-framer.
// Returns 0 and changes nothing when rxCount is 0 or readPos is outside the
// buffer.
int DeframeByte(PortContext& port);

// The de-framer fields on their own, for streams that do not come from a port.
struct Deframer {
  bool dleSeen = false;
  std::int32_t frameLen = 0;
  std::int32_t packetId = 0;
  std::uint32_t packetLen = 0;
  std::array<std::uint8_t, kFrameBufferSize> frameBuffer{};

  int feed(std::uint8_t b) { return DeframeStep(*this, b); }
  std::span<const std::uint8_t> payload() const { return {frameBuffer.data(), packetLen}; }
};

// Frames `packet` (id first, then payload) into `out`. Returns the frame
// length, or 0 when the packet is empty or the frame would not fit in `out`;
// nothing is ever written past `out`.
std::size_t BuildFrame(std::span<const std::uint8_t> packet, std::span<std::uint8_t> out);

// Length of the frame of `packet`: its bytes, one more per 0x10, plus three.
std::size_t FrameLength(std::span<const std::uint8_t> packet);

}  // namespace navbin::link

#pragma once
// Helpers for driving a SimulatedReceiver with the monitor's own command
// encoders and reading back what it sent.

#include <array>
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "link/field_codec.h"
#include "link/framing.h"
#include "protocol/commands/command_packet.h"
#include "sim/simulated_receiver.h"

namespace navbin::sim::testing {

struct Received {
  std::uint8_t id = 0;
  std::vector<std::uint8_t> payload;  // for 0x8F the sub-id is byte 0

  int subId() const { return payload.empty() ? -1 : payload[0]; }
  const std::uint8_t* at(std::size_t offset) const { return payload.data() + offset; }
  float single(std::size_t offset) const { return link::GetSingle(at(offset)); }
  double dbl(std::size_t offset) const { return link::GetDouble(at(offset)); }
  std::uint16_t u16(std::size_t offset) const { return link::GetU16(at(offset)); }
};

inline std::vector<Received> Deframe(std::span<const std::uint8_t> bytes) {
  link::Deframer d;
  std::vector<Received> out;
  for (std::uint8_t b : bytes) {
    if (d.feed(b) == 1) {
      const auto p = d.payload();
      out.push_back({static_cast<std::uint8_t>(d.packetId), {p.begin(), p.end()}});
    }
  }
  return out;
}

inline std::vector<std::uint8_t> Frame(std::span<const std::uint8_t> packet) {
  std::array<std::uint8_t, link::kMaxFrameLength> frame{};
  const std::size_t n = link::BuildFrame(packet, frame);
  return {frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(n)};
}

inline void Send(SimulatedReceiver& rx, const commands::CommandPacket& command) {
  rx.receive(Frame(command.view()));
}

// Sends one command and returns what the receiver answered at once.
inline std::vector<Received> Ask(SimulatedReceiver& rx, const commands::CommandPacket& command) {
  rx.takeOutput();
  Send(rx, command);
  return Deframe(rx.takeOutput());
}

// Advances the clock and returns what came out meanwhile.
inline std::vector<Received> RunFor(SimulatedReceiver& rx, std::chrono::milliseconds span) {
  rx.advance(span);
  return Deframe(rx.takeOutput());
}

inline std::vector<std::uint8_t> Ids(const std::vector<Received>& packets) {
  std::vector<std::uint8_t> ids;
  for (const Received& p : packets) ids.push_back(p.id);
  return ids;
}

}  // namespace navbin::sim::testing

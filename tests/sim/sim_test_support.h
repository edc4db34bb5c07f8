#pragma once
// Driving a SimulatedReceiver with the monitor's own command encoders and
// reading back what it sent.

#include <chrono>
#include <vector>

#include "protocol/commands/command_packet.h"
#include "sim/simulated_receiver.h"
#include "tests/support/packets.h"

namespace navbin::sim::testing {

using support::Bytes;
using support::Ids;
using support::Packet;
using Ms = std::chrono::milliseconds;

inline void Send(SimulatedReceiver& rx, const commands::CommandPacket& command) {
  rx.receive(support::Frame(command.toVector()));
}

// Sends one command and returns what the receiver answered at once.
inline std::vector<Packet> Ask(SimulatedReceiver& rx, const commands::CommandPacket& command) {
  rx.takeOutput();
  Send(rx, command);
  return support::Deframe(rx.takeOutput());
}

// The single answer to one command.
inline Packet AskOne(SimulatedReceiver& rx, const commands::CommandPacket& command) {
  const auto replies = Ask(rx, command);
  return replies.size() == 1 ? replies.front() : Packet{-static_cast<int>(replies.size()), {}};
}

// Advances the clock and returns what came out meanwhile.
inline std::vector<Packet> RunFor(SimulatedReceiver& rx, Ms span) {
  rx.advance(span);
  return support::Deframe(rx.takeOutput());
}

}  // namespace navbin::sim::testing

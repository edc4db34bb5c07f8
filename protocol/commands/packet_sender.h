#pragma once
// The single send path: every command goes through SendPacket, which picks
// the port or ports, frames and writes the packet, lights the transmit lamp
// and pauses briefly.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/serial_channel.h"

namespace navbin::commands {

// Port selectors besides a port index 0..15.
inline constexpr int DISPLAY_PORT = 1024;  // the display port, or all open ports while Tx All is on
inline constexpr int ALL_PORTS = 1025;     // every open port

class PacketSender {
 public:
  // `logTrigger` is the report layer's per-port trigger byte, which Set I/O
  // options sets to 1 for the addressed port.
  PacketSender(link::SerialChannel& channel, link::PortTable& ports,
               const link::PortSelection& shell,
               std::array<std::uint8_t, link::kPortCount>& logTrigger);

  void SendPacket(int selector, std::size_t length, const std::uint8_t* bytes);

  // Called whenever the transmit lamp is to be painted lime green.
  void setTransmitLampHook(std::function<void()> hook) { paintTxLamp_ = std::move(hook); }
  // The pause after a send that writes; at most 1 ms, zero in tests.
  void setPause(std::chrono::microseconds pause) { pause_ = pause; }

  // Sets logTrigger of the port the selector addresses (the display port for
  // DISPLAY_PORT, also while Tx All is on; every open port for ALL_PORTS) to 1.
  void armLogTrigger(int selector);

  // Pauses made so far: one per send that wrote (or, for an all-ports send,
  // one after all its writes).
  std::uint64_t pauseCount() const { return pauseCount_; }

 private:
  link::SerialChannel& channel_;
  link::PortTable& ports_;
  const link::PortSelection& shell_;
  std::array<std::uint8_t, link::kPortCount>& logTrigger_;
  std::function<void()> paintTxLamp_;
  std::chrono::microseconds pause_{0};
  std::uint64_t pauseCount_ = 0;

  void lightAndPause(bool light);
};

}  // namespace navbin::commands

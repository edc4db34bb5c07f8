#pragma once
// Routes every complete packet of an open port to its decoder, by the port's
// role (display port, monitored) and the packet id (and 0x8F sub-id).

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

#include "link/port_context.h"
#include "link/shell_globals.h"
#include "platform/system_clock.h"
#include "protocol/reports/data_log_link.h"
#include "protocol/reports/display.h"
#include "protocol/reports/prompter.h"
#include "protocol/reports/receiver_state.h"

namespace navbin::reports {

// Everything a decoder may read or write, handed down by reference.
struct DecoderContext {
  ReportState& state;
  const link::ShellGlobals& shell;
  Display& display;
  Prompter& prompter;
  DataLogLink& dataLog;
  platform::SystemClock& clock;

  bool isDisplayPort(const link::PortContext& port) const {
    return shell.isDisplayPort(port.portIndex);
  }
  ReceiverState& receiver(const link::PortContext& port) {
    return state.receivers[port.portIndex % link::kPortCount];
  }
};

// Sees every packet of a decoded port (display or monitored) after the
// monitored group's decoder, with the port's state as it left it.
using ReportObserver =
    std::function<void(const link::PortContext& port, const ReceiverState& receiver)>;

using RawPacketWriter =
    std::function<void(int id, const std::uint8_t* payload, std::size_t length)>;

class ReportDispatcher {
 public:
  explicit ReportDispatcher(DecoderContext context) : context_(context) {}

  // The packet handler of the monitor cycle's PollPort.
  void dispatchReport(link::PortContext& port);

  // Called for every display-port packet while rawLogActive is set.
  void setRawPacketWriter(RawPacketWriter writer) { writeRawPacket_ = std::move(writer); }

  void setReportObserver(ReportObserver observer) { observeReport_ = std::move(observer); }

  DecoderContext& context() { return context_; }

  // Packets taken from an open port since start-up, by port index.
  std::uint64_t packetsTaken(int portIndex) const {
    return packetsTaken_[static_cast<std::size_t>(portIndex) % link::kPortCount];
  }

 private:
  DecoderContext context_;
  std::array<std::uint64_t, link::kPortCount> packetsTaken_{};
  RawPacketWriter writeRawPacket_;
  ReportObserver observeReport_;
};

}  // namespace navbin::reports

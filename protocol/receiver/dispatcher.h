#pragma once
// Routes every complete packet of an open port to its decoder, by the port's
// role (display port, monitored) and the packet id (and 0x8F sub-id).

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "platform/system_clock.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "protocol/receiver/receiver_state.h"
#include "protocol/receiver/report_steps.h"

namespace navbin::reports {

// Everything a decoder may read or write, handed down by reference.
struct DecoderContext {
  ReportState& state;
  const link::PortSelection& shell;
  Display& display;
  Prompter& prompter;
  platform::SystemClock& clock;
  const ReportSteps* steps = nullptr;  // the dispatcher's, set when it takes the context

  bool isDisplayPort(const link::PortContext& port) const {
    return shell.isDisplayPort(port.portIndex);
  }
  // Whether the port's reports are shown: the display port's, on a display
  // that shows anything.
  bool shows(const link::PortContext& port) const {
    return isDisplayPort(port) && !display.showsNothing();
  }
  ReceiverState& receiver(const link::PortContext& port) {
    return state.receivers[port.portIndex % link::kPortCount];
  }
  // Runs the registered steps of `report` at `point` (report_steps.h).
  void reached(ReportPoint point, link::PortContext& port, const DecodedReport& report) {
    if (steps != nullptr) steps->run(point, *this, port, report);
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
  explicit ReportDispatcher(DecoderContext context) : context_(context) {
    context_.steps = &steps_;
  }
  ReportDispatcher(const ReportDispatcher&) = delete;
  ReportDispatcher& operator=(const ReportDispatcher&) = delete;

  // The packet handler of the monitor cycle's PollPort.
  void dispatchReport(link::PortContext& port);

  // Called for every display-port packet while rawLogActive is set.
  void setRawPacketWriter(RawPacketWriter writer) { writeRawPacket_ = std::move(writer); }

  // Observers see each packet in the order they were added.
  void addReportObserver(ReportObserver observer) { observers_.push_back(std::move(observer)); }

  // Registers `step` to run at `point` of every packet `id` a decoder takes.
  void addStep(ReportPoint point, int id, ReportStep step) {
    steps_.add(point, id, std::move(step));
  }

  DecoderContext& context() { return context_; }

  // Packets taken from an open port since start-up, by port index.
  std::uint64_t packetsTaken(int portIndex) const {
    return packetsTaken_[static_cast<std::size_t>(portIndex) % link::kPortCount];
  }

 private:
  DecoderContext context_;
  std::array<std::uint64_t, link::kPortCount> packetsTaken_{};
  ReportSteps steps_;
  RawPacketWriter writeRawPacket_;
  std::vector<ReportObserver> observers_;
};

}  // namespace navbin::reports

#pragma once
// The report layer wired to the real secondary windows: packets go through the
// dispatcher as the monitor cycle hands them over, and the decoders write the
// windows through a WidgetDisplay. Port 0 (COM1) is the display port; the main
// window is not registered, so its writes fall on nothing.

#include <QWidget>
#include <algorithm>
#include <string>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "protocol/receiver/dispatcher.h"
#include "protocol/receiver/receiver_state.h"
#include "shell/report_wiring.h"
#include "tests/support/captures.h"
#include "tests/support/fakes.h"
#include "ui/forms/all_forms.h"
#include "ui/widgets/widget_display.h"

namespace navbin::ui::testing {

using support::Bytes;

class ReplayRig {
 public:
  ReplayRig() {
    shell.displayPort = 1;
    for (std::uint32_t i = 0; i < ports.size(); ++i) {
      ports[i].portIndex = i;
      ports[i].isOpen = true;
    }
    shell::WireReportSteps(dispatcher, dataLog);
  }

  // Dispatches one packet (id, payload) as received on `portIndex`.
  void dispatch(int id, const Bytes& payload, std::uint32_t portIndex = 0) {
    link::PortContext& port = ports[portIndex];
    const std::size_t length = std::min(payload.size(), port.frameBuffer.size());
    std::copy_n(payload.begin(), length, port.frameBuffer.begin());
    port.packetId = id;
    port.packetLen = static_cast<std::uint32_t>(length);
    dispatcher.dispatchReport(port);
  }
  // Dispatches every packet of the recording; returns the packet count.
  int replay(const std::string& name) {
    const auto packets = support::Deframe(support::ReadCapture(name));
    for (const auto& p : packets) dispatch(p.id, p.payload);
    return static_cast<int>(packets.size());
  }

  QWidget owner;
  WidgetDisplay display;
  SecondaryForms forms = CreateSecondaryForms(display, &owner);
  reports::ReportState state;
  link::PortSelection shell;
  support::ScriptedPrompter prompter;
  logging::DataLogLink dataLog;
  support::FakeClock clock;
  reports::ReportDispatcher dispatcher{
      reports::DecoderContext{state, shell, display, prompter, clock}};
  link::PortTable ports;
};

}  // namespace navbin::ui::testing

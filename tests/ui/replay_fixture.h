#pragma once
// The report layer wired to the real secondary windows: packets go through the
// dispatcher as the monitor cycle hands them over, and the decoders write the
// windows through a WidgetDisplay. Port 0 (COM1) is the display port; the main
// window is not registered, so its writes fall on nothing.

#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/framing.h"
#include "link/port_context.h"
#include "link/shell_globals.h"
#include "platform/system_clock.h"
#include "protocol/reports/data_log_link.h"
#include "protocol/reports/dispatcher.h"
#include "protocol/reports/prompter.h"
#include "protocol/reports/receiver_state.h"
#include "ui/forms/all_forms.h"
#include "ui/widgets/widget_display.h"

namespace navbin::ui::testing {

// Answers no question and counts the messages.
class SilentPrompter final : public reports::Prompter {
 public:
  void message(const std::string&, const std::string&, reports::Icon) override { ++messages; }
  bool ask(const std::string&, const std::string&, reports::Icon, bool) override { return false; }
  std::optional<std::string> chooseFile(const reports::FileRequest&) override {
    return std::nullopt;
  }
  int messages = 0;
};

class FixedClock final : public platform::SystemClock {
 public:
  platform::CalendarTime nowUtc() const override { return {}; }
  bool setUtc(const platform::CalendarTime&) override { return false; }
};

class ReplayRig {
 public:
  ReplayRig();

  // Dispatches one packet (id, payload) as received on `portIndex`.
  void dispatch(int id, const std::vector<std::uint8_t>& payload, std::uint32_t portIndex = 0);
  // De-frames the file and dispatches every packet; returns the packet count.
  int replay(const std::string& path);

  QWidget owner;
  WidgetDisplay display;
  SecondaryForms forms;
  reports::ReportState state;
  link::ShellGlobals shell;
  SilentPrompter prompter;
  reports::DataLogLink dataLog;
  FixedClock clock;
  reports::ReportDispatcher dispatcher;
  link::PortTable ports;

 private:
  void dispatchFrame(link::PortContext& port, int id, const std::uint8_t* payload,
                     std::size_t length);
};

}  // namespace navbin::ui::testing

// Every control that the Qt-free layers name through Display is a control of
// its window: every recording and a simulated receiver's answers to every
// query go through the monitor cycle into the windows the application creates,
// and the display must not have missed a single name.

// First, before Qt defines its emit keyword, which the receiver uses as a name.
#include "sim/simulated_receiver.h"

#include <set>
#include <utility>

#include "app/monitor_application.h"
#include "protocol/commands/config_commands.h"
#include "protocol/commands/init_commands.h"
#include "protocol/commands/query_commands.h"
#include "protocol/receiver/dispatch_table.h"
#include "tests/app/main_form_fixture.h"
#include "tests/support/captures.h"

namespace navbin::main_form_testing {
namespace {

using reports::Form;
using Report = std::pair<int, int>;  // id, and sub-id for 0x8F (-1 otherwise)

const char* const kRecordings[] = {"nav-3d-tracking.nvb", "nav-lla-double.nvb",
                                   "nav-tracking.nvb",    "nav-xyz-double-2d.nvb",
                                   "timing-a.nvb",        "timing-b.nvb"};

// Every report that has a decoder in either group.
std::set<Report> DecodedReports() {
  std::set<Report> reports;
  for (auto group : {reports::DecoderGroup::Monitored, reports::DecoderGroup::Display}) {
    for (int id = 0; id < 256; ++id) {
      if (id != 0x8F && reports::lookupDecoder(group, id, -1)) reports.insert({id, -1});
    }
    for (int sub = 0; sub < 256; ++sub) {
      if (reports::lookupDecoder(group, 0x8F, sub)) reports.insert({0x8F, sub});
    }
  }
  return reports;
}

class ControlMissTest : public MainFormTest {
 protected:
  // Sends `bytes` to the monitor on the display port, a tick's read at a time.
  void deliver(const Bytes& bytes) {
    for (const support::Packet& p : support::Deframe(bytes)) {
      const bool super = p.id == 0x8F && !p.payload.empty();
      delivered.insert({p.id, super ? p.payload[0] : -1});
    }
    for (std::size_t at = 0; at < bytes.size(); at += 4096) {
      const std::size_t n = std::min<std::size_t>(4096, bytes.size() - at);
      line(kDisplayCom).push(std::span(bytes).subspan(at, n));
      tick();
    }
  }

  std::set<Report> delivered;
};

TEST_F(ControlMissTest, EveryRecordingAndSimulatedReportFindsAllItsControls) {
  ASSERT_TRUE(app::CreateWindows(*form, display, shell::StartupPlan{}));
  form->Timer_NavBin->stop();
  core.sender.setPause(std::chrono::microseconds(0));

  sim::SimulatedReceiver receiver(11);
  const auto serve = [&](int ticks) {
    for (int i = 0; i < ticks; ++i) {
      for (const Bytes& frame : line(kDisplayCom).frames()) receiver.receive(frame);
      line(kDisplayCom).clearWritten();
      receiver.advance(std::chrono::milliseconds(200));
      deliver(receiver.takeOutput());
    }
  };
  serve(15);  // identification, auto-queries and broadcasts
  using Query = void (*)(commands::PacketSender&, int);
  for (Query query :
       {commands::RequestVersion, commands::RequestGpsTime, commands::RequestSatelliteSelection,
        commands::RequestReceiverHealth, commands::RequestIoOptions,
        commands::RequestTrackingStatus, commands::RequestDgpsMode,
        commands::RequestSensitivityMode, commands::RequestFilterConfiguration,
        commands::RequestNavTxtConfiguration, commands::RequestGpsConfiguration,
        commands::RequestDatum, commands::RequestPpsCharacteristics, commands::RequestPpsOutput,
        commands::RequestPacketMasks, commands::RequestSelfSurveyParameters}) {
    query(core.sender, commands::DISPLAY_PORT);
  }
  for (std::uint8_t port : {0, 1}) {
    commands::RequestSerialPortConfiguration(core.sender, commands::DISPLAY_PORT, port);
  }
  // The replies to set-commands, and positions and velocities in both frames.
  commands::SetGpsTime(core.sender, commands::DISPLAY_PORT, 1000.0f, 1400);
  commands::SaveToFlash(core.sender, commands::DISPLAY_PORT);
  commands::SetIoOptions(core.sender, commands::DISPLAY_PORT, {0x03, 0x03, 0, 0});
  serve(10);
  for (const char* recording : kRecordings) deliver(support::ReadCapture(recording));

  for (const Report& r : DecodedReports()) {
    EXPECT_TRUE(delivered.contains(r)) << std::hex << "no report " << r.first << " " << r.second;
  }
  for (const ui::ControlMiss& miss : display.misses()) {
    ADD_FAILURE() << "window " << static_cast<int>(miss.form) << " has no control " << miss.name;
  }
}

}  // namespace
}  // namespace navbin::main_form_testing

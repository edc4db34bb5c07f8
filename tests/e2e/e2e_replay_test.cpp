// A recording replayed by navbin-sim as fast as the monitor reads it: the
// application in-process shows the recording's last fix, the simulator ends by
// itself, and a picture of the main window is kept under e2e/replay/.

#include <gtest/gtest.h>

#include <map>

#include "tests/e2e/e2e_live_app.h"
#include "tests/support/captures.h"
#include "tests/support/child_process.h"

namespace navbin::e2e {
namespace {

using support::Ms;

// The last 0x84 of nav-lla-double.nvb: latitude 3FD70ACC18DAAA6F (20.628429
// degrees), longitude BFF850590223B45E (-87.067590), altitude 4029BFA9CB780000
// (12.874 m), time of fix 48DA4660 (447027 s; the fix before: 447026 s, 37.70565');
// week 1406 from the 0x41 reports.
const std::map<std::string, std::string> kLastFix = {
    {"Panel_LatDeg", "20\u00B0"}, {"Panel_LatMin", "37.70575'"}, {"Panel_NorthSouth", "N"},
    {"Panel_LonDeg", "87\u00B0"}, {"Panel_LonMin", "4.05538'"},  {"Panel_EastWest", "W"},
    {"Panel_Alt_Z", "12.9"},      {"Panel_TOW", "447027.00"},    {"Panel_Week", "1406"},
};

TEST(E2eReplay, RecordingAtFullSpeedLeavesItsLastFixOnTheDisplay) {
  const std::string folder = WorkFolder("replay");
  support::ChildProcess sim(
      SimBinary(), {"--replay", support::CapturePath("nav-lla-double.nvb"), "--speed", "max"});
  sim.readOut(1, Ms(5000));
  ASSERT_FALSE(sim.outLines().empty()) << sim.out();
  main_form_testing::FixedClock clock;
  LiveApp app(sim.outLines().front(), clock);
  ASSERT_TRUE(app.start());
  ReceiverTap idle;  // nobody opens it: it only paces the event loop

  std::map<std::string, std::string> shown;
  const auto showsLastFix = [&] {
    for (const auto& [control, text] : kLastFix) shown[control] = app.text(control.c_str());
    return shown == kLastFix;
  };
  EXPECT_TRUE(app.runUntil(idle, Ms(20000), showsLastFix)) << ::testing::PrintToString(shown);
  EXPECT_EQ(sim.finish(Ms(10000)), 0) << sim.out();
  app.runUntil(idle, Ms(600), [] { return false; });  // the monitor notices the line is gone
  EXPECT_TRUE(showsLastFix()) << "kept after the end: " << ::testing::PrintToString(shown);
  EXPECT_TRUE(
      LiveApp::SavePicture(app.window(reports::Form::Main), folder + "/navbin-monitor.png"));
}

}  // namespace
}  // namespace navbin::e2e

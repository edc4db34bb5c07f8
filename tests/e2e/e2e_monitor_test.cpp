// The whole application, the built executable, against a simulated receiver
// on a pseudo-terminal that this test serves: what crossed the line, tick by
// tick, what the status row showed, and the picture of the main window.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <csignal>
#include <thread>

#include "tests/e2e/e2e_support.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;

// One run of about three and a half seconds, then its checks.
struct MonitorRun {
  std::string folder = WorkFolder("monitor_run");
  ReceiverTap tap{7};
  int status = -1;
  std::string err;

  void run() {
    ASSERT_TRUE(tap.ok());
    ChildProcess monitor(
        MonitorBinary(),
        {"-c" + tap.slavePath(), "--grab", folder + "/navbin-monitor.png", "--grab-after", "3400"},
        folder, ChildProcess::MonitorEnvironment(folder));
    ASSERT_TRUE(monitor.started());
    tap.serve(milliseconds(15000), [&] { return !monitor.running(); });
    status = monitor.wait(milliseconds(3000)).value_or(-1);
    err = monitor.stderrText();
  }

  std::vector<std::string> names() const {
    std::vector<std::string> names;
    for (const Arrival& a : tap.arrivals) names.push_back(a.name);
    return names;
  }
  std::string describe() const {
    std::string text;
    for (const Arrival& a : tap.arrivals) text += a.name + "@" + std::to_string(int(a.ms)) + " ";
    return text;
  }
};

void ExpectCleanEnd(const MonitorRun& r) {
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("[shown] Form_Main"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("[message]"), std::string::npos) << r.err;
}

// In the order of the ticks (their timing is checked with a fake clock in the
// shell's tests; a loaded machine delays ticks here): satellite selection,
// tracking status, health, Request version before that tick's satellite
// selection, the four identification queries before the next tracking status,
// then health, satellite selection and tracking status in turn.
void ExpectIdentificationThenQueriesInTurn(const MonitorRun& r) {
  const std::vector<std::string> expected = {"24",    "3C", "26", "1F", "24", "62", "35",
                                             "8E-15", "21", "3C", "26", "24", "3C"};
  const std::vector<std::string> names = r.names();
  ASSERT_GE(names.size(), expected.size()) << "too short a run: " << r.describe();
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + expected.size()), expected)
      << r.describe();
  const std::array<std::string, 3> cycle = {"26", "24", "3C"};
  for (std::size_t i = expected.size(); i < names.size(); ++i) {
    EXPECT_EQ(names[i], cycle[(i - expected.size()) % 3])
        << "arrival " << i << ": " << r.describe();
  }
  EXPECT_GT(r.tap.reportBytes, 1000u);
}

void ExpectStatusRowShowsThePortAndTheReceiveLamp(const MonitorRun& r) {
  const int com = StoredComOf(r.folder, r.tap.slavePath());
  ASSERT_GE(com, 1);
  const auto samples = ReadStateLog(r.folder + "/state.log");
  ASSERT_GT(samples.size(), 20u);
  EXPECT_EQ(samples.back().at("Panel_Serial"), "COM" + std::to_string(com) + ": 9600: 8-O-1");
  EXPECT_EQ(samples.back().at("visible"), "1");
  EXPECT_FALSE(samples.back().at("Panel_Version").empty());
  // Reports arrive from the first tick on; the lamp is lit for 200 to 400 ms
  // after each, so over the last two seconds it is lit in many samples.
  const std::size_t from = samples.size() - 20;
  const auto lit = std::count_if(samples.begin() + static_cast<long>(from), samples.end(),
                                 [](const auto& s) { return s.at("Shape_RxLED") == "Lime"; });
  EXPECT_GE(lit, 5);
}

void ExpectPictureOfTheMainWindow(const MonitorRun& r) {
  const QImage image(QString::fromStdString(r.folder + "/navbin-monitor.png"));
  ASSERT_FALSE(image.isNull());
  EXPECT_GT(image.width(), 400);
  EXPECT_GT(image.height(), 300);
}

TEST(E2eMonitor, RunAgainstASimulatedReceiver) {
  MonitorRun r;
  r.run();
  if (HasFatalFailure()) return;
  {
    SCOPED_TRACE("clean end");
    ExpectCleanEnd(r);
  }
  {
    SCOPED_TRACE("commands on the line");
    ExpectIdentificationThenQueriesInTurn(r);
  }
  {
    SCOPED_TRACE("status row");
    ExpectStatusRowShowsThePortAndTheReceiveLamp(r);
  }
  {
    SCOPED_TRACE("window picture");
    ExpectPictureOfTheMainWindow(r);
  }
}

TEST(E2eMonitor, UnopenableDisplayPortEndsBeforeTheWindowShows) {
  const std::string folder = WorkFolder("no_device");
  const std::string missing = "/dev/navbin-no-such-device";
  for (const std::string& arg : {"-c" + missing, std::string("-c16")}) {
    ChildProcess monitor(MonitorBinary(), {arg}, folder, ChildProcess::MonitorEnvironment(folder));
    const auto status = monitor.wait(milliseconds(15000));
    ASSERT_TRUE(status.has_value()) << arg;
    EXPECT_EQ(*status, 1) << arg;
    // The path got a COM number for this run, named in the message, but it
    // is not remembered: no stored map fills up with typing errors.
    EXPECT_EQ(StoredComOf(folder, missing), 0) << arg;
    const std::string err = monitor.stderrText();
    const std::string box = "[message] Serial Port Error: Could not initialize COM" +
                            std::string(arg == "-c16" ? "16." : "");
    EXPECT_NE(err.find(box), std::string::npos) << err;
    EXPECT_EQ(err.find("[shown]"), std::string::npos) << err;
  }
}

TEST(E2eMonitor, HelpVersionAndBadOptionsNeedNoDisplay) {
  const std::string folder = WorkFolder("help");
  // No display at all: creating a window would fail.
  const std::map<std::string, std::string> env = {
      {"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}};
  ChildProcess help(MonitorBinary(), {"--help"}, folder, env);
  EXPECT_EQ(help.wait(milliseconds(5000)), 0);
  EXPECT_NE(help.stdoutText().find("Usage: navbin-monitor"), std::string::npos);
  ChildProcess version(MonitorBinary(), {"/e", "--version"}, folder, env);
  EXPECT_EQ(version.wait(milliseconds(5000)), 0);
  EXPECT_NE(version.stdoutText().find("navbin-monitor "), std::string::npos);
  ChildProcess bad(MonitorBinary(), {"--port"}, folder, env);
  EXPECT_EQ(bad.wait(milliseconds(5000)), 2);
  EXPECT_NE(bad.stderrText().find("--port needs a value"), std::string::npos);
}

TEST(E2eMonitor, StopSignalsEndThePortSelectionDialog) {
  const std::string folder = WorkFolder("dialog_signal");
  for (const int signal : {SIGINT, SIGTERM}) {
    ChildProcess monitor(MonitorBinary(), {"-e"}, folder, ChildProcess::MonitorEnvironment(folder));
    const auto end = Clock::now() + milliseconds(15000);
    while (monitor.stderrText().find("[shown] Form_Comm") == std::string::npos &&
           Clock::now() < end && monitor.running()) {
      std::this_thread::sleep_for(milliseconds(50));
    }
    ASSERT_NE(monitor.stderrText().find("[shown] Form_Comm"), std::string::npos)
        << monitor.stderrText();
    ::kill(monitor.pid(), signal);
    EXPECT_EQ(monitor.wait(milliseconds(5000)), 0) << signal;
    EXPECT_EQ(monitor.stderrText().find("[shown] Form_Main"), std::string::npos);
  }
}

}  // namespace
}  // namespace navbin::e2e

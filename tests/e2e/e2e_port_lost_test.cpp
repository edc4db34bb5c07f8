// The display port goes away mid-run: navbin-sim is stopped under the running
// executable. The monitor keeps running without spinning and shows the port
// as lost; a simulator started again on the same link is reopened by itself.

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "tests/e2e/e2e_support.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;

TEST(E2ePortLost, MonitorShowsThePortLostIdlesAndReopensItWhenItIsBack) {
  const std::string folder = WorkFolder("port_lost");
  const std::string link = folder + "/receiver";
  ChildProcess sim(SimBinary(), {"--link", link, "--seed", "5"}, folder);
  ASSERT_TRUE(sim.started());
  const auto end = Clock::now() + milliseconds(5000);
  while (!std::filesystem::exists(link) && Clock::now() < end) {
    std::this_thread::sleep_for(milliseconds(20));
  }
  ASSERT_TRUE(std::filesystem::exists(link)) << sim.stderrText();

  ChildProcess monitor(MonitorBinary(), {"-c" + link}, folder,
                       ChildProcess::MonitorEnvironment(folder));
  const std::string log = folder + "/state.log";
  ASSERT_TRUE(WaitForSample(
      log,
      [](const auto& s) { return s.at("Shape_RxLED") == "Lime" && !s.at("Panel_Version").empty(); },
      milliseconds(10000)))
      << monitor.stderrText();

  sim.terminate();
  ASSERT_TRUE(sim.wait(milliseconds(3000)).has_value());
  ASSERT_TRUE(WaitForSample(
      log,
      [](const auto& s) { return s.at("Panel_Serial").find("device lost") != std::string::npos; },
      milliseconds(3000)))
      << ReadFile(log);

  // Idle now: one second of wall time costs well under a fifth of a second of CPU.
  ASSERT_TRUE(monitor.running());
  const double before = monitor.cpuSeconds();
  std::this_thread::sleep_for(milliseconds(1000));
  const double used = monitor.cpuSeconds() - before;
  EXPECT_GE(used, 0.0);
  EXPECT_LT(used, 0.2) << "CPU seconds in one idle second";
  EXPECT_TRUE(monitor.running());
  const auto samples = ReadStateLog(log);
  ASSERT_FALSE(samples.empty());
  EXPECT_EQ(samples.back().at("Shape_RxLED"), "Gray");
  EXPECT_EQ(samples.back().at("visible"), "1");
  EXPECT_EQ(monitor.stderrText().find("[message]"), std::string::npos) << monitor.stderrText();

  // The simulator back on the same link: the port reopens within a few
  // seconds, identifies the receiver again and the display fills.
  const std::size_t seen = ReadStateLog(log).size();
  ChildProcess again(SimBinary(), {"--link", link, "--seed", "6"}, folder);
  ASSERT_TRUE(again.started());
  ASSERT_TRUE(WaitForSample(
      log,
      [](const auto& s) {
        return s.at("Panel_Serial") == "COM1: 9600: 8-O-1" && s.at("Shape_RxLED") == "Lime";
      },
      milliseconds(8000), seen))
      << ReadFile(log) << monitor.stderrText();
  EXPECT_EQ(monitor.stderrText().find("[message]"), std::string::npos) << monitor.stderrText();
  // SIGTERM ends the event loop: a normal exit.
  monitor.terminate();
  EXPECT_EQ(monitor.wait(milliseconds(5000)), 0);
}

}  // namespace
}  // namespace navbin::e2e

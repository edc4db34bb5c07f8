// navbin-log against three simulated receivers, stopped by SIGTERM: its data
// files equal, record for record, what the application's core writes for the
// same packets with the same choices; its raw log is what the first receiver
// sent; its last status line counts both.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#include "protocol/presentation/format.h"
#include "tests/e2e/e2e_support.h"
#include "tests/shell/shell_fixture.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;

std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Waits up to `limit` for `done`.
bool WaitFor(milliseconds limit, const std::function<bool()>& done) {
  const auto end = Clock::now() + limit;
  while (!done() && Clock::now() < end) std::this_thread::sleep_for(milliseconds(20));
  return done();
}

// The application's core given the same bytes: COM1 the display port, all
// three monitored, the data log started with `setup` before the first byte.
void WriteAsTheApplication(const std::vector<ReceiverTap*>& taps,
                           const logging::DataLogSetup& setup) {
  shell_testing::ShellFixture app;
  app.openDisplayPort(1, 0);
  for (int com = 2; com <= 3; ++com) app.openIdentified(com);
  app.port(1).monitored = true;
  ASSERT_TRUE(app.core.dataLogger.startDataLog(setup));
  for (int com = 1; com <= 3; ++com) app.line(com).push(taps[std::size_t(com - 1)]->sent);
  for (int tick = 0; tick < 100 && (app.line(1).pendingInput() || app.line(2).pendingInput() ||
                                    app.line(3).pendingInput());
       ++tick) {
    app.core.cycle.NavBinTimer();
  }
}

TEST(E2eUnattendedLog, ThreeReceiversUntilSigterm) {
  const std::string folder = WorkFolder("navbin_log");
  ReceiverTap rx1(41), rx2(42), rx3(43);
  const std::vector<ReceiverTap*> taps{&rx1, &rx2, &rx3};
  const std::string raw = folder + "/display.nvb";
  ChildProcess log(std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-log",
                   {"--port", rx1.slavePath(), "--port", rx2.slavePath(), "--port", rx3.slavePath(),
                    "--data", folder, "--sets", "all", "--raw", raw},
                   folder);
  // The receivers start once every port is open (an open empties the line).
  ASSERT_TRUE(WaitFor(milliseconds(20000), [&] { return std::filesystem::exists(raw); }))
      << log.stderrText();
  ReceiverTap::ServeAll(taps, milliseconds(10000));

  // What the application's core writes for the same bytes, with the same
  // choices; navbin-log is stopped once it has caught up with all of it.
  logging::DataLogSetup setup;
  setup.sets.set();  // as the window's All leaves them: XYZ wins over LLA and ENU
  logging::Select(setup.sets, logging::DataSet::PositionLla) = false;
  logging::Select(setup.sets, logging::DataSet::VelocityEnu) = false;
  setup.fileRoot = folder + "/app";
  WriteAsTheApplication(taps, setup);
  auto file = [&](const char* root, int com) {
    return ReadFile(folder + "/" + root + std::to_string(com) + ".dat");
  };
  WaitFor(milliseconds(20000), [&] {
    return ReadFile(raw).size() == rx1.sent.size() && file("data", 2) == file("app", 2) &&
           file("data", 3) == file("app", 3);
  });
  std::this_thread::sleep_for(milliseconds(1000));  // the packets after the last record
  log.terminate();
  ASSERT_EQ(log.wait(milliseconds(10000)), 0) << log.stderrText();

  // Raw log: exactly the first receiver's frames, as navbin-dump reads them.
  const std::string sent1(rx1.sent.begin(), rx1.sent.end());
  EXPECT_EQ(ReadFile(raw), sent1);
  std::ofstream(folder + "/sent1.nvb", std::ios::binary) << sent1;
  ChildProcess dumpLog(std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-dump", {raw}, folder);
  ASSERT_EQ(dumpLog.wait(milliseconds(20000)), 0);
  const std::string dumped = dumpLog.stdoutText();
  ChildProcess dumpSent(std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-dump",
                        {folder + "/sent1.nvb"}, folder);
  ASSERT_EQ(dumpSent.wait(milliseconds(20000)), 0);
  EXPECT_GT(LineCount(dumped), 50u);
  EXPECT_EQ(dumped, dumpSent.stdoutText());

  // Data files: the application's writer, record for record; the status line
  // at the stop counts them and every packet of each line.
  std::string status = "navbin-log: stopped: ";
  for (int com = 1; com <= 3; ++com) {
    SCOPED_TRACE("COM" + std::to_string(com));
    const std::string logged = file("data", com);
    EXPECT_GE(LineCount(logged), 8u);
    EXPECT_EQ(logged, file("app", com));
    status += reports::Format("%sCOM%d %zu records, %zu packets", com > 1 ? "; " : "", com,
                              LineCount(logged),
                              support::Deframe(taps[std::size_t(com - 1)]->sent).size());
  }
  EXPECT_NE(log.stderrText().find(status + "\n"), std::string::npos) << status << "\n"
                                                                     << log.stderrText();
}

}  // namespace
}  // namespace navbin::e2e

// Both logs in the running application against three simulated receivers:
// the data log of every monitored port and the raw packet log of the display
// port, checked against what the receivers sent; then the same run ended by
// kill -9, after which both files still hold only whole records and frames.

#include <gtest/gtest.h>
#include <signal.h>

#include <QLineEdit>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "logging/data_sets.h"
#include "logging/raw_log.h"
#include "protocol/commands/config_commands.h"
#include "protocol/reports/format.h"
#include "tests/app/e2e_multi_port_app.h"
#include "tests/support/packets.h"
#include "ui/forms/log_form.h"
#include "ui/forms/log_navbin_form.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;
using Lines = std::vector<std::string>;

constexpr const char* kChildFolder = "NAVBIN_LOGS_CHILD_FOLDER";

Lines LinesOf(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

Lines Columns(const std::string& line) {
  Lines columns;
  std::istringstream in(line);
  for (std::string c; in >> c;) columns.push_back(c);
  return columns;
}

// "TOW X Y Z" of every 0x42 report in the bytes a receiver sent.
std::set<std::string> XyzReports(const std::vector<std::uint8_t>& sent) {
  std::set<std::string> reports;
  for (const support::Packet& p : support::Deframe(sent)) {
    if (p.id != 0x42 || p.payload.size() != 16) continue;
    reports.insert(reports::Format("%.2f %f %f %f", double(p.single(12)), double(p.single(0)),
                                   double(p.single(4)), double(p.single(8))));
  }
  return reports;
}

// The file re-framed from the packets it holds: equal to the file exactly
// when it is whole frames and nothing else.
std::string Reframed(const std::string& raw) {
  std::string out;
  for (const support::Packet& p :
       support::Deframe(std::span(reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()))) {
    logging::AppendRawFrame(out, p.id, p.payload.data(), p.payload.size());
  }
  return out;
}

class E2eLogs : public MultiPortApp {
 protected:
  // Three receivers reporting XYZ position and velocity, all monitored, the
  // data log with All at 1 s started and the raw log of COM1 recording.
  void startBothLogs(const std::string& folder) {
    for (int com = 1; com <= 3; ++com) addReceiver(com, std::uint64_t(40 + com));
    ASSERT_TRUE(start(1));
    form->MenuCOM_OpenAll->trigger();
    commands::SetIoOptions(core.sender, commands::ALL_PORTS, {0x00, 0x00, 0x00, 0x00});
    ASSERT_TRUE(run(milliseconds(8000), [&] {
      return receiver(1).position.x != 0 && receiver(2).position.x != 0 &&
             receiver(3).position.x != 0;
    }));
    logForm = form->findChild<ui::TForm_Log*>("Form_Log");
    rawForm = form->findChild<ui::TForm_LogNavBin*>("Form_LogNavBin");
    ASSERT_TRUE(logForm && rawForm);
    logForm->Edit_FileRoot->setText(QString::fromStdString(folder + "/data"));
    logForm->Edit_Interval->setText("1");
    logForm->Button_SelectAll->click();
    core.rawLog.rawLogFileName = folder + "/display.nvb";
    rawForm->Button_Start->click();
    rawFrom = tap(1).sent.size();
    logForm->Button_Start->click();
    ASSERT_TRUE(core.dataLogger.on() && core.rawLog.active());
  }

  ui::TForm_Log* logForm = nullptr;
  ui::TForm_LogNavBin* rawForm = nullptr;
  std::size_t rawFrom = 0;
};

TEST_F(E2eLogs, ThreeReceiversDataLogAndDisplayPortRawLog) {
  const std::string folder = WorkFolder("logs");
  startBothLogs(folder);
  EXPECT_EQ(form->Panel_Record->text(), "NavBin/Data");
  EXPECT_EQ(form->Panel_LogStatus->text(), "Logging On");
  run(milliseconds(5000));
  rawForm->Button_Stop->click();
  const std::size_t rawTo = tap(1).sent.size();
  EXPECT_EQ(form->Panel_Record->text(), "Data");
  run(milliseconds(3000));
  logForm->Button_Stop->click();
  EXPECT_EQ(form->Panel_Record->text(), "Off");
  EXPECT_EQ(form->Panel_LogStatus->text(), "Logging Off");

  // Raw log: the receiver's own bytes of that time, whole frames, DLE doubled.
  const std::string raw = ReadFile(folder + "/display.nvb");
  const std::string sent(tap(1).sent.begin(), tap(1).sent.end());
  EXPECT_NE(sent.find(raw), std::string::npos);
  EXPECT_LE(raw.size(), rawTo - rawFrom + 2048);  // at most a tick's bytes more
  EXPECT_EQ(Reframed(raw), raw);
  const auto packets =
      support::Deframe(std::span(reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()));
  const auto positions = std::count_if(packets.begin(), packets.end(),
                                       [](const support::Packet& p) { return p.id == 0x42; });
  EXPECT_GE(positions, 4);
  EXPECT_LE(positions, 7);
  ChildProcess dump(std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-dump",
                    {folder + "/display.nvb"}, folder);
  ASSERT_EQ(dump.wait(milliseconds(20000)), 0);
  EXPECT_EQ(LinesOf(dump.stdoutText()).size(), packets.size());

  // Data log: one record a second per port, every column, positions as sent.
  logging::DataSets all;
  for (int i = 0; i < logging::kDataSetCount; ++i) all[std::size_t(i)] = true;
  all[std::size_t(logging::DataSet::PositionLla)] = false;
  all[std::size_t(logging::DataSet::VelocityEnu)] = false;
  for (int com = 1; com <= 3; ++com) {
    SCOPED_TRACE("COM" + std::to_string(com));
    const Lines lines = LinesOf(ReadFile(folder + "/data" + std::to_string(com) + ".dat"));
    EXPECT_GE(lines.size(), 6u);
    EXPECT_LE(lines.size(), 10u);
    const std::set<std::string> xyz = XyzReports(tap(com).sent);
    double lastTow = -1;
    for (const std::string& line : lines) {
      const Lines c = Columns(line);
      ASSERT_EQ(int(c.size()), logging::ColumnCount(all)) << line;
      EXPECT_EQ(line.back(), ' ');
      EXPECT_TRUE(xyz.count(c[0] + " " + c[27] + " " + c[28] + " " + c[29])) << line;
      if (lastTow >= 0) {
        EXPECT_NEAR(std::stod(c[0]) - lastTow, 1.0, 1e-6) << line;
      }
      lastTow = std::stod(c[0]);
    }
    if (com == 1 && !lines.empty()) {
      std::string shown = lines.back();
      shown.pop_back();
      std::replace(shown.begin(), shown.end(), ' ', '/');
      EXPECT_EQ(logForm->Panel_Data->text().toStdString(), " " + shown);
      EXPECT_EQ(logForm->Panel_DataSets->text().toStdString(), std::to_string(lines.size()));
    }
  }
}

// Runs only as the child of the next test: both logs until it is killed.
TEST_F(E2eLogs, ChildRunsBothLogsUntilKilled) {
  const char* folder = std::getenv(kChildFolder);
  if (!folder) GTEST_SKIP() << "the child of KillMinusNineLeavesWholeRecordsAndFrames";
  startBothLogs(folder);
  run(milliseconds(60000));
}

TEST(E2eLogsKill, KillMinusNineLeavesWholeRecordsAndFrames) {
  const std::string folder = WorkFolder("logs_kill");
  ChildProcess child("/proc/self/exe", {"--gtest_filter=E2eLogs.ChildRunsBothLogsUntilKilled"},
                     folder, {{kChildFolder, folder}, {"QT_QPA_PLATFORM", "offscreen"}});
  ASSERT_TRUE(child.started());
  // Until every port has a few records, and the raw log has frames.
  const auto deadline = Clock::now() + milliseconds(40000);
  auto recorded = [&] {
    for (int com = 1; com <= 3; ++com) {
      if (LinesOf(ReadFile(folder + "/data" + std::to_string(com) + ".dat")).size() < 3) {
        return false;
      }
    }
    return ReadFile(folder + "/display.nvb").size() > 200;
  };
  while (Clock::now() < deadline && child.running() && !recorded()) {
    std::this_thread::sleep_for(milliseconds(50));
  }
  ASSERT_TRUE(recorded()) << child.stdoutText();
  ::kill(child.pid(), SIGKILL);
  child.wait(milliseconds(10000));

  for (int com = 1; com <= 3; ++com) {
    const std::string text = ReadFile(folder + "/data" + std::to_string(com) + ".dat");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    for (const std::string& line : LinesOf(text)) EXPECT_EQ(Columns(line).size(), 42u) << line;
  }
  const std::string raw = ReadFile(folder + "/display.nvb");
  EXPECT_EQ(Reframed(raw), raw);
}

}  // namespace
}  // namespace navbin::e2e

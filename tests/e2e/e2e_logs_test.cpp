// Both logs in the running application against three simulated receivers:
// the data log of every monitored port and the raw packet log of the display
// port, checked against what the receivers sent; then the same run ended by
// kill -9, after which both files still hold only whole records and frames.

#include <gtest/gtest.h>
#include <signal.h>

#include <QLineEdit>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <thread>

#include "logging/raw_log.h"
#include "protocol/commands/config_commands.h"
#include "protocol/presentation/format.h"
#include "tests/e2e/e2e_multi_port_app.h"
#include "tests/support/packets.h"
#include "ui/forms/log_form.h"
#include "ui/forms/log_navbin_form.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;
using Lines = std::vector<std::string>;

constexpr const char* kChildFolder = "NAVBIN_LOGS_CHILD_FOLDER";

Lines Split(const std::string& text, char separator) {
  Lines parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

std::vector<support::Packet> Packets(const std::string& bytes) {
  return support::Deframe(
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

// The file re-framed from its packets: equal to it when it is whole frames only.
std::string Reframed(const std::string& raw) {
  std::string out;
  for (const support::Packet& p : Packets(raw)) {
    logging::AppendRawFrame(out, p.id, p.payload.data(), p.payload.size());
  }
  return out;
}

class E2eLogs : public MultiPortApp {
 protected:
  // Three receivers reporting XYZ position and velocity, all monitored; the
  // data log with All at 1 s and the raw log of COM1 started.
  void startBothLogs(const std::string& folder) {
    for (int com = 1; com <= 3; ++com) addReceiver(com, std::uint64_t(40 + com));
    ASSERT_TRUE(start(1));
    form->menus->MenuCOM_OpenAll->trigger();
    commands::SetIoOptions(core.sender, commands::ALL_PORTS, {0x00, 0x00, 0x00, 0x00});
    ASSERT_TRUE(run(milliseconds(8000), [&] {
      return receiver(1).position.x != 0 && receiver(2).position.x != 0 &&
             receiver(3).position.x != 0;
    }));
    logForm = form->findChild<ui::TForm_Log*>("Form_Log");
    rawForm = form->findChild<ui::TForm_LogNavBin*>("Form_LogNavBin");
    ASSERT_TRUE(logForm && rawForm);
    logForm->Edit_FileRoot->setText(QString::fromStdString(folder + "/data"));
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
  // All leaves ten boxes, XYZ winning; the set-up is locked while logging.
  const logging::DataSets sets = logForm->setup().sets;
  EXPECT_EQ(sets.count(), 10u);
  EXPECT_TRUE(logging::Has(sets, logging::DataSet::PositionXyz) &&
              logging::Has(sets, logging::DataSet::VelocityXyz));
  EXPECT_FALSE(logForm->Panel_DataSelection->isEnabled() || rawForm->Button_Open->isEnabled());
  EXPECT_EQ(form->statusRow->Panel_Record->text(), "NavBin/Data");
  run(milliseconds(5000));
  rawForm->Button_Stop->click();
  const std::size_t rawTo = tap(1).sent.size();
  EXPECT_EQ(form->statusRow->Panel_Record->text(), "Data");
  run(milliseconds(3000));
  logForm->Button_Stop->click();
  EXPECT_EQ(form->statusRow->Panel_Record->text(), "Off");
  EXPECT_EQ(form->portPanel->Panel_LogStatus->text(), "Logging Off");

  // Raw log: the receiver's own bytes of those 5 s, DLE doubled, whole frames.
  const std::string raw = ReadFile(folder + "/display.nvb");
  const std::string sent(tap(1).sent.begin(), tap(1).sent.end());
  EXPECT_NE(sent.find(raw), std::string::npos);
  EXPECT_LE(raw.size(), rawTo - rawFrom + 2048);  // at most a tick's bytes more
  EXPECT_EQ(Reframed(raw), raw);
  const auto packets = Packets(raw);
  const auto positions = std::count_if(packets.begin(), packets.end(),
                                       [](const support::Packet& p) { return p.id == 0x42; });
  EXPECT_TRUE(positions >= 4 && positions <= 7) << positions;
  ChildProcess dump(std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-dump",
                    {folder + "/display.nvb"}, folder);
  ASSERT_EQ(dump.wait(milliseconds(20000)), 0);
  EXPECT_EQ(Split(dump.stdoutText(), '\n').size(), packets.size());

  // Data log: one record a second per port, every column, positions as sent.
  for (int com = 1; com <= 3; ++com) {
    SCOPED_TRACE("COM" + std::to_string(com));
    const Lines lines = Split(ReadFile(folder + "/data" + std::to_string(com) + ".dat"), '\n');
    EXPECT_TRUE(lines.size() >= 6 && lines.size() <= 10) << lines.size();
    std::set<std::string> sentXyz;  // "TOW X Y Z" of every 0x42 sent
    for (const support::Packet& p : support::Deframe(tap(com).sent)) {
      if (p.id != 0x42 || p.payload.size() != 16) continue;
      sentXyz.insert(reports::Format("%.2f %f %f %f", double(p.single(12)), double(p.single(0)),
                                     double(p.single(4)), double(p.single(8))));
    }
    double lastTow = -1;
    for (const std::string& line : lines) {
      const Lines c = Split(line, ' ');
      ASSERT_EQ(int(c.size()), logging::ColumnCount(sets)) << line;
      EXPECT_EQ(line.back(), ' ');
      EXPECT_TRUE(sentXyz.count(c[0] + " " + c[27] + " " + c[28] + " " + c[29])) << line;
      if (lastTow >= 0) {
        EXPECT_DOUBLE_EQ(std::stod(c[0]) - lastTow, 1.0) << line;
      }
      lastTow = std::stod(c[0]);
    }
    if (com == 1 && !lines.empty()) {
      std::string shown = lines.back().substr(0, lines.back().size() - 1);
      std::replace(shown.begin(), shown.end(), ' ', '/');
      EXPECT_EQ(logForm->Panel_Data->text().toStdString(), " " + shown);
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
  auto file = [&](const std::string& name) { return ReadFile(folder + "/" + name); };
  auto recorded = [&] {
    return Split(file("data1.dat"), '\n').size() >= 3 &&
           Split(file("data3.dat"), '\n').size() >= 3 && file("display.nvb").size() > 200;
  };
  const auto deadline = Clock::now() + milliseconds(40000);
  while (Clock::now() < deadline && child.running() && !recorded()) {
    std::this_thread::sleep_for(milliseconds(50));
  }
  ASSERT_TRUE(recorded()) << child.stdoutText();
  ::kill(child.pid(), SIGKILL);
  child.wait(milliseconds(10000));
  for (int com = 1; com <= 3; ++com) {
    const std::string text = file("data" + std::to_string(com) + ".dat");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    for (const std::string& line : Split(text, '\n')) EXPECT_EQ(Split(line, ' ').size(), 42u);
  }
  EXPECT_EQ(Reframed(file("display.nvb")), file("display.nvb"));
}

}  // namespace
}  // namespace navbin::e2e

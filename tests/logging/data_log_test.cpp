// The data log against real files: pacing, start and stop, the status panels,
// file choice and the files that cannot be written.

#include "tests/logging/log_fixture.h"

namespace navbin::logging::test {
namespace {

using support::Payload;

Bytes Lla(float tof, float lat = 0.5f) {
  return Payload().single(lat).single(0.25f).single(100.0f).single(0).single(tof);
}
Bytes DoubleLla(float tof) {
  return Payload().dbl(0.5).dbl(0.25).dbl(100).dbl(0).single(tof);
}

class DataLogTest : public LogTest {
 protected:
  DataLogTest() {
    ports[0].monitored = ports[2].monitored = true;
    setup.fileRoot = folder + "/data";
  }
  std::vector<std::string> lines(int com) const {
    std::vector<std::string> out;
    std::istringstream in(Read(path("data" + std::to_string(com) + ".dat")));
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }
  DataLogSetup setup;
};

TEST_F(DataLogTest, ReportPacedRecordsFollowTheFirstReportKindAndTheInterval) {
  setup.intervalText = "2";
  ASSERT_TRUE(dataLog.startDataLog(setup));
  for (float tof : {100.0f, 101.0f, 102.0f, 103.5f, 104.0f}) deliver(2, 0x4A, Lla(tof));
  deliver(2, 0x84, DoubleLla(200));  // 0x4A claimed the port
  EXPECT_EQ(lines(3), (std::vector<std::string>{"100.00 ", "102.00 ", "104.00 "}));
  EXPECT_EQ(dataLog.recordCount, 0);  // not the status port
  // After an I/O options command the next report of any kind writes.
  state.globals.logTrigger[2] = 1;
  deliver(2, 0x84, DoubleLla(300));
  EXPECT_EQ(lines(3).back(), "300.00 ");
}

TEST_F(DataLogTest, IntervalTextsBelowOneOrNotANumberGiveOneSecond) {
  for (const char* text : {"abc", "0", "-5"}) {
    DataLog fresh(state, ports, shell, link, display, prompter);
    setup.intervalText = text;
    fresh.startDataLog(setup);
    EXPECT_EQ(fresh.logInterval, 1) << text;
  }
  setup.intervalText = "3";
  dataLog.startDataLog(setup);
  dataLog.stopDataLog();
  setup.intervalText = "x";
  dataLog.startDataLog(setup);
  EXPECT_EQ(dataLog.logInterval, 3);
}

TEST_F(DataLogTest, StatusPanelsFollowStartRecordsAndStop) {
  ASSERT_TRUE(dataLog.startDataLog(setup));
  EXPECT_EQ(log("Panel_StartTime").text, " Sun 00:00:00.00");  // before any fix
  EXPECT_EQ(log("Panel_DataSets").text, "0");
  EXPECT_EQ(log("Label_OnOff").text, "On");
  EXPECT_EQ(log("Shape_OnOff").colour, Colour::Lime);
  for (auto c : {"Panel_DataSelection", "Panel_Setup", "Button_Browse", "Button_Clear",
                 "Button_Start", "Button_SelectAll", "Button_SelectClear"}) {
    EXPECT_FALSE(log(c).enabled) << c;
  }
  EXPECT_EQ(main("Panel_LogStatus").text, "Logging On");
  EXPECT_EQ(main("Panel_Record").text, "Data");

  deliver(0, 0x4A, Lla(90000.0f));
  EXPECT_EQ(log("Panel_DataSets").text, "1");
  EXPECT_EQ(log("Panel_Data").text, " 90000.00");
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::Yellow);
  deliver(0, 0x4A, Lla(90000.0f));  // not due
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::Lime);
  EXPECT_EQ(main("Panel_LogStatus").text, " 1 01:00:00");  // duration since 0
  EXPECT_EQ(log("Panel_Duration").text, " 1 01:00:00");

  state.globals.rawLogActive = 1;
  dataLog.stopDataLog();
  EXPECT_EQ(main("Panel_Record").text, "NavBin");
  EXPECT_EQ(main("Panel_LogStatus").text, "Logging Off");
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::ButtonFace);
  EXPECT_EQ(log("Label_OnOff").text, "Off");
  EXPECT_TRUE(log("Button_Start").enabled);
  dataLog.startDataLog(setup);
  EXPECT_EQ(main("Panel_Record").text, "NavBin/Data");
}

TEST_F(DataLogTest, AllSetsClearedWriteEmptyLinesAndOffRequestsReArmTheLevels) {
  state.receivers[0].channels[4].currentSv = 7;
  dataLog.writeDataRecord(0);  // logging off: no file, capture re-armed
  EXPECT_EQ(state.receivers[0].channels[4].resetPending, 1);
  EXPECT_EQ(state.receivers[0].channels[4].currentSv, 0);
  EXPECT_FALSE(std::filesystem::exists(path("data1.dat")));
  setup.sets.reset();
  dataLog.startDataLog(setup);
  deliver(0, 0x4A, Lla(10));
  EXPECT_EQ(Read(path("data1.dat")), "\n");
  EXPECT_EQ(log("Panel_Data").text, " ");
}

TEST_F(DataLogTest, StartTruncatesOnlyMonitoredFilesUnlessAppending) {
  for (int com : {1, 2, 3}) WriteFile(path("data" + std::to_string(com) + ".dat"), "old\n");
  setup.append = true;
  dataLog.startDataLog(setup);
  deliver(0, 0x4A, Lla(10));
  EXPECT_EQ(lines(1), (std::vector<std::string>{"old", "10.00 "}));
  dataLog.stopDataLog();
  setup.append = false;
  dataLog.startDataLog(setup);
  EXPECT_EQ(Read(path("data1.dat")), "");
  EXPECT_EQ(Read(path("data2.dat")), "old\n");  // COM2 is not monitored
  EXPECT_EQ(Read(path("data3.dat")), "");
}

TEST_F(DataLogTest, BrowseReplacesTheDisplayPortFileUntilClear) {
  prompter.files = {path("mine.dat"), std::string(128, 'x'), std::nullopt};
  dataLog.chooseLogFile();
  EXPECT_EQ(log("Panel_Filename").text, path("mine.dat"));
  EXPECT_EQ(prompter.requests.at(0).filter, "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
  dataLog.chooseLogFile();  // too long: refused, the choice stays
  dataLog.chooseLogFile();  // cancelled
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].caption, "Error");
  dataLog.startDataLog(setup);
  EXPECT_EQ(log("Panel_Filename").text, " " + path("mine.dat"));
  deliver(0, 0x4A, Lla(10));
  EXPECT_EQ(Read(path("mine.dat")), "10.00 \n");
  dataLog.stopDataLog();
  dataLog.clearLogFile();
  EXPECT_EQ(log("Panel_Filename").text, " ");
  dataLog.startDataLog(setup);
  EXPECT_EQ(log("Panel_Filename").text, " " + path("data1.dat"));
}

TEST_F(DataLogTest, ARootThatMakesNamesTooLongIsRefused) {
  const std::string root = folder + "/";
  setup.fileRoot = root + std::string(122 - root.size(), 'r');  // "...16.dat": 128 characters
  EXPECT_FALSE(dataLog.startDataLog(setup));
  EXPECT_FALSE(dataLog.on());
  ASSERT_EQ(prompter.boxes.size(), 1u);
  setup.fileRoot.pop_back();
  EXPECT_TRUE(dataLog.startDataLog(setup));
}

TEST_F(DataLogTest, FilesThatCannotBeWrittenGetNoRecordAndShowRed) {
  ports[3].monitored = true;
  dataLog.chosenLogFile = "/dev/full";  // opens, but every write fails
  setup.fileRoot = folder + "/missing/data";
  setup.append = true;
  ASSERT_TRUE(dataLog.startDataLog(setup));
  deliver(0, 0x4A, Lla(10));
  deliver(2, 0x4A, Lla(10));
  EXPECT_EQ(dataLog.recordCount, 0);
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::Red);
  EXPECT_NE(main("Panel_LogStatus").hint.find("No such file or directory"), std::string::npos);
  EXPECT_NE(dataLog.fileFault(0).find("/dev/full"), std::string::npos);
  EXPECT_TRUE(dataLog.on());
  // The folder appears: that port writes again, the others still fail.
  std::filesystem::create_directory(folder + "/missing");
  deliver(2, 0x4A, Lla(11));
  EXPECT_EQ(Read(folder + "/missing/data3.dat"), "11.00 \n");
  EXPECT_EQ(dataLog.fileFault(2), "");
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::Red);
  dataLog.stopDataLog();
  EXPECT_EQ(main("Panel_LogStatus").hint, kLogStatusHint);
}

TEST_F(DataLogTest, SystemTimerWritesForSilentReceiversWithTheTimerOffset) {
  setup.systemTimer = true;
  dataLog.startDataLog(setup);
  EXPECT_EQ(link.receiverTimeMode, 0);
  deliver(2, 0x4A, Lla(604799.0f));  // report-paced off: no record
  EXPECT_TRUE(lines(3).empty());
  dataLog.systemTimer();
  dataLog.systemTimer();        // the time of week has not moved
  deliver(2, 0x4A, Lla(0.5f));  // over the week rollover
  dataLog.systemTimer();
  EXPECT_EQ(lines(3), (std::vector<std::string>{"604799.00 ", "0.50 "}));
  // A receiver without fixes (health not 0) is advanced by the timer.
  state.receivers[2].statusCode = 8;
  dataLog.systemTimer();
  dataLog.systemTimer();
  EXPECT_EQ(lines(3).size(), 4u);
  EXPECT_EQ(lines(3).back(), "0.50 ");
  EXPECT_EQ(link.timerOffset[2], 2.0f);
  dataLog.stopDataLog();
  dataLog.systemTimer();
  EXPECT_EQ(lines(3).size(), 4u);
}

}  // namespace
}  // namespace navbin::logging::test

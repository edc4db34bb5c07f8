// The data log against real files: pacing, start and stop, the status panels,
// file choice and the files that cannot be written.

#include "tests/logging/log_fixture.h"

namespace navbin::logging::test {
namespace {

Bytes Lla(float tof) {
  return support::Payload().single(0.5f).single(0.25f).single(100.0f).single(0).single(tof);
}
Bytes DoubleLla(float tof) {
  return support::Payload().dbl(0.5).dbl(0.25).dbl(100).dbl(0).single(tof);
}

class DataLogTest : public LogTest {
 protected:
  DataLogTest() {
    ports[0].monitored = ports[2].monitored = true;
    setup.fileRoot = folder + "/data";
  }
  std::string file(int com) const { return Read(path("data" + std::to_string(com) + ".dat")); }
  DataLogSetup setup;
};

TEST_F(DataLogTest, ReportPacedRecordsFollowTheFirstReportKindAndTheInterval) {
  for (const char* text : {"abc", "0", "-5"}) {  // the first start after launch
    DataLog fresh(state, ports, shell, link, display, prompter);
    setup.intervalText = text;
    fresh.startDataLog(setup);
    EXPECT_EQ(fresh.logInterval, 1) << text;
  }
  setup.intervalText = "2";
  ASSERT_TRUE(dataLog.startDataLog(setup));
  for (float tof : {100.0f, 101.0f, 102.0f, 103.5f, 104.0f}) deliver(2, 0x4A, Lla(tof));
  deliver(2, 0x84, DoubleLla(200));  // 0x4A claimed the port
  state.globals.logTrigger[2] = 1;   // after an I/O options command any kind writes
  deliver(2, 0x84, DoubleLla(300));
  EXPECT_EQ(file(3), "100.00 \n102.00 \n104.00 \n300.00 \n");
  EXPECT_EQ(dataLog.recordCount, 0);  // not the status port
}

TEST_F(DataLogTest, StatusPanelsFollowStartRecordsAndStop) {
  ASSERT_TRUE(dataLog.startDataLog(setup));
  EXPECT_EQ(log("Panel_StartTime").text, " Sun 00:00:00.00");  // before any fix
  EXPECT_EQ(log("Panel_DataSets").text, "0");
  EXPECT_FALSE(log("Button_SelectAll").enabled);
  EXPECT_EQ(main("Panel_Record").text, "Data");
  deliver(0, 0x4A, Lla(90000.0f));
  EXPECT_EQ(log("Panel_DataSets").text, "1");
  EXPECT_EQ(log("Panel_Data").text, " 90000.00");
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::Yellow);
  deliver(0, 0x4A, Lla(90000.0f));  // not due
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::Lime);
  EXPECT_EQ(main("Panel_LogStatus").text, " 1 01:00:00");  // duration
  state.globals.rawLogActive = 1;
  dataLog.stopDataLog();
  EXPECT_EQ(main("Panel_Record").text, "NavBin");
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::ButtonFace);
  EXPECT_TRUE(log("Button_Start").enabled);
  dataLog.startDataLog(setup);
  EXPECT_EQ(main("Panel_Record").text, "NavBin/Data");
}

TEST_F(DataLogTest, NoSetsWriteEmptyLinesAndRequestsWhileOffReArmTheLevels) {
  state.receivers[0].channels[4].currentSv = 7;
  dataLog.writeDataRecord(0);
  EXPECT_EQ(state.receivers[0].channels[4].resetPending, 1);
  EXPECT_FALSE(std::filesystem::exists(path("data1.dat")));
  setup.sets.reset();
  dataLog.startDataLog(setup);
  deliver(0, 0x4A, Lla(10));
  EXPECT_EQ(file(1), "\n");
  EXPECT_EQ(log("Panel_Data").text, " ");
}

TEST_F(DataLogTest, StartTruncatesOnlyMonitoredFilesUnlessAppending) {
  for (int com : {1, 2, 3}) WriteFile(path("data" + std::to_string(com) + ".dat"), "old\n");
  setup.append = true;
  dataLog.startDataLog(setup);
  deliver(0, 0x4A, Lla(10));
  EXPECT_EQ(file(1), "old\n10.00 \n");
  dataLog.stopDataLog();
  setup.append = false;
  dataLog.startDataLog(setup);
  EXPECT_EQ(file(1) + file(2) + file(3), "old\n");  // COM2 is not monitored
}

TEST_F(DataLogTest, BrowseReplacesTheDisplayPortFileUntilClearAndLongNamesAreRefused) {
  // The panel shows the file in force after every Browse: cancelled with none
  // chosen (after Clear showed " "), chosen, too long, cancelled.
  dataLog.clearLogFile();
  const std::pair<std::optional<std::string>, std::string> browses[] = {
      {std::nullopt, ""},
      {path("mine.dat"), path("mine.dat")},
      {std::string(128, 'x'), path("mine.dat")},
      {std::nullopt, path("mine.dat")}};
  for (const auto& [choice, shown] : browses) {
    prompter.files = {choice};
    dataLog.chooseLogFile();
    EXPECT_EQ(log("Panel_Filename").text, shown) << choice.value_or("cancelled");
    EXPECT_EQ(prompter.requests.back().title, "Select Data File");
  }
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].caption, "Error");
  dataLog.startDataLog(setup);
  EXPECT_EQ(log("Panel_Filename").text, " " + path("mine.dat"));
  deliver(0, 0x4A, Lla(10));
  EXPECT_EQ(Read(path("mine.dat")), "10.00 \n");
  dataLog.stopDataLog();
  dataLog.clearLogFile();
  dataLog.startDataLog(setup);
  EXPECT_EQ(log("Panel_Filename").text, " " + path("data1.dat"));
  dataLog.stopDataLog();
  setup.fileRoot = folder + "/" + std::string(121 - folder.size(), 'r');  // +16.dat: 128
  EXPECT_FALSE(dataLog.startDataLog(setup));
  EXPECT_FALSE(dataLog.on());
  EXPECT_EQ(prompter.boxes.size(), 2u);
}

TEST_F(DataLogTest, FilesThatCannotBeWrittenGetNoRecordAndShowRed) {
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
  std::filesystem::create_directory(folder + "/missing");  // that port writes again
  deliver(2, 0x4A, Lla(11));
  EXPECT_EQ(Read(folder + "/missing/data3.dat"), "11.00 \n");
  EXPECT_EQ(dataLog.fileFault(2), "");
  EXPECT_EQ(main("Panel_LogStatus").colour, Colour::Red);  // COM1 still fails
  dataLog.stopDataLog();
  EXPECT_EQ(main("Panel_LogStatus").hint, kLogStatusHint);
}

TEST_F(DataLogTest, SystemTimerWritesForSilentReceiversWithTheTimerOffset) {
  setup.systemTimer = true;
  dataLog.startDataLog(setup);
  deliver(2, 0x4A, Lla(604799.0f));  // not report-paced: no record
  dataLog.systemTimer();
  dataLog.systemTimer();        // the time of week has not moved
  deliver(2, 0x4A, Lla(0.5f));  // over the week rollover
  dataLog.systemTimer();
  state.receivers[2].statusCode = 8;  // no fixes: the timer advances the time
  dataLog.systemTimer();
  dataLog.systemTimer();
  EXPECT_EQ(file(3), "604799.00 \n0.50 \n0.50 \n0.50 \n");
  EXPECT_EQ(link.timerOffset[2], 2.0f);
  dataLog.stopDataLog();
  dataLog.systemTimer();
  EXPECT_EQ(file(3).size(), 29u);
}

}  // namespace
}  // namespace navbin::logging::test

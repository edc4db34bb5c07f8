// Position reports 0x42, 0x4A, 0x83, 0x84: state, panels, deltas, clock bias,
// data-log triggering and the missing-bias warning.

#include <limits>

#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

Bytes Lla(float lat, float lon, float alt = 100.0f, float bias = 0, float tof = 86399.5f) {
  return Payload().single(lat).single(lon).single(alt).single(bias).single(tof);
}
Bytes DoubleLla(double lat, double lon, double alt = 100) {
  return Payload().dbl(lat).dbl(lon).dbl(alt).dbl(0).single(1000);
}
Bytes Xyz(float x, float y, float z) {
  return Payload().single(x).single(y).single(z).single(1000);
}
Bytes DoubleXyz(double x, double y, double z, double bias = 0) {
  return Payload().dbl(x).dbl(y).dbl(z).dbl(bias).single(1000);
}

class PositionTest : public ReportTest {
 protected:
  std::string hint() const { return display.main(Panel_Position).hint; }
};

TEST_F(PositionTest, SingleLlaSplitsDegreesAfterRoundingToSingle) {
  deliver(0x4A, Lla(-0.5f, 0.25f, 123.45f, 299.792458f, 86399.5f));
  // 0.25 rad = 14.32394467 degrees, 14.323945 as a single: 14 and 19.43670
  // minutes; the single 123.45 is 123.449997; 299.79 m of bias is 1000 ns.
  EXPECT_EQ(mainTexts({Panel_LatDeg, Panel_LatMin, Panel_NorthSouth, Panel_LonDeg, Panel_LonMin,
                       Panel_EastWest, Panel_Alt_Z, Panel_Time, Panel_TOW}),
            (Strings{"28\xC2\xB0", "38.87341'", "S", "14\xC2\xB0", "19.43670'", "E", "123.4",
                     " Sun 23:59:59.50", "86399.50"}));
  EXPECT_EQ(hint(), "Position: Packet 4A");
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "1000.00");
  const PositionFix& fix = state.receivers[0].position;
  EXPECT_NEAR(fix.latitude, -28.647889, 1e-6);
  EXPECT_NEAR(fix.longitude, 14.323944, 1e-6);
  EXPECT_FLOAT_EQ(static_cast<float>(fix.altitude), 123.45f);
  EXPECT_NEAR(fix.clockBias, 1000.0, 1e-3);
  EXPECT_EQ(fix.timeOfFix, 86399.5f);
}

TEST_F(PositionTest, DoubleLlaAndXyzReports) {
  deliver(0x84, DoubleLla(-0.5, -0.25, 12.3456));  // not rounded to single first
  EXPECT_EQ(mainTexts({Panel_LatDeg, Panel_LatMin, Panel_EastWest, Panel_Alt_Z}),
            (Strings{"28\xC2\xB0", "38.87336'", "W", "12.3"}));
  EXPECT_EQ(hint(), "Double Precision Position: Packet 84");
  EXPECT_DOUBLE_EQ(state.receivers[0].position.latitude, -0.5 * kDegreesPerRadian);

  deliver(0x42, Xyz(-2430601.75f, -4702442.5f, 3546587.25f));
  EXPECT_EQ(mainTexts({Panel_X, Panel_Y, Panel_Alt_Z}),
            (Strings{"-2430601.75", "-4702442.50", "3546587.25"}));
  EXPECT_EQ(hint(), "Position: Packet 42");
  EXPECT_FALSE(display.main(Panel_LatDeg).visible);

  deliver(0x83, DoubleXyz(-2430601.828, -4702442.703, 3546587.358, 2997.92458));
  EXPECT_EQ(mainTexts({Panel_X, Panel_Alt_Z}), (Strings{"-2430601.83", "3546587.36"}));
  EXPECT_EQ(hint(), "Double Precision Position: Packet 83");
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "10000.00");
  EXPECT_DOUBLE_EQ(state.receivers[0].position.y, -4702442.703);
}

TEST_F(PositionTest, WrongLengthsChangeNothing) {
  for (auto [id, length] : {std::pair{0x42, 16}, {0x4A, 20}, {0x83, 36}, {0x84, 36}}) {
    for (int n : {0, length - 1, length + 1}) deliver(id, Bytes(static_cast<std::size_t>(n), 0x3F));
  }
  expectOnlyTheLamp();
  EXPECT_EQ(state.receivers[0].position.x, 0.0);
  EXPECT_EQ(state.receivers[0].position.latitude, 0.0);
  EXPECT_EQ(state.receivers[0].position.timeOfFix, 0.0f);
}

TEST_F(PositionTest, NotANumberAndHugeAnglesShowWithoutFault) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  deliver(0x4A, Lla(nan, std::numeric_limits<float>::infinity(), nan, nan, nan));
  EXPECT_NE(mainText(Panel_LatDeg).find("nan"), std::string::npos);
  EXPECT_NE(mainText(Panel_LatMin).find("nan"), std::string::npos);
  EXPECT_EQ(mainText(Panel_LonDeg), "inf\xC2\xB0");
  EXPECT_EQ(mainText(Panel_Time), "<Bad time>");
  // A NaN first fix is not taken as the delta reference.
  EXPECT_EQ(state.globals.deltaReferenceSet, 0);
  EXPECT_NE(mainText(Panel_DeltaLat).find("nan"), std::string::npos);

  deliver(0x84, DoubleLla(1e300, -1e20));
  EXPECT_EQ(mainText(Panel_LatMin), "0.00000'");
  EXPECT_EQ(mainText(Panel_LonDeg).substr(0, 6), "572957");
  EXPECT_EQ(mainText(Panel_EastWest), "W");
}

TEST_F(PositionTest, DeltasAreMetresFromTheReferenceUntilItIsReset) {
  deliver(0, 0x84, DoubleLla(0.0, 0.0));
  EXPECT_EQ(mainTexts({Panel_DeltaLat, Panel_DeltaLon}), (Strings{"0.00", "0.00"}));
  // On the equator a radian of latitude is b^2 / a = 6335439.33 m and one of
  // longitude is a = 6378137 m.
  deliver(0x84, DoubleLla(1e-5, -2e-5));
  EXPECT_EQ(mainTexts({Panel_DeltaLat, Panel_DeltaLon}), (Strings{"63.35", "-127.56"}));
  shell.displayPort = 2;  // a new display port keeps the old reference
  deliver(1, 0x84, DoubleLla(1e-5, 0.0));
  EXPECT_EQ(mainText(Panel_DeltaLat), "63.35");
  state.globals.deltaReferenceSet = 0;  // Button_ResetLLA
  deliver(1, 0x84, DoubleLla(0.7001, 0.1001));
  EXPECT_EQ(mainTexts({Panel_DeltaLat, Panel_DeltaLon}), (Strings{"0.00", "0.00"}));
}

TEST_F(PositionTest, BiasGoesStaleAfterXyzReportUntilABiasArrives) {
  display.at(Form::Log, CheckBox_Bias).checked = true;
  deliver(0x4A, Lla(0.5f, 0.5f, 0, 29.9792458f));
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "100.00");
  EXPECT_EQ(display.colour(Form::Bias, Panel_Bias), Colour::Window);
  EXPECT_TRUE(display.get(Form::Log, CheckBox_Bias).enabled);

  deliver(0x42, Xyz(1, 2, 3));
  EXPECT_EQ(text(Form::Bias, Panel_Bias), "100.00");
  EXPECT_EQ(display.colour(Form::Bias, Panel_Bias), Colour::ButtonFace);
  EXPECT_FALSE(display.get(Form::Log, CheckBox_Bias).enabled);
  EXPECT_FALSE(display.checked(Form::Log, CheckBox_Bias));  // logging is off

  for (int id : {0x4A, 0x83, 0x84}) {
    deliver(0x42, Xyz(1, 2, 3));
    deliver(id, id == 0x4A ? Lla(0.5f, 0.5f) : id == 0x83 ? DoubleXyz(1, 2, 3) : DoubleLla(0, 0));
    EXPECT_EQ(display.colour(Form::Bias, Panel_Bias), Colour::Window) << id;
    EXPECT_TRUE(display.get(Form::Log, CheckBox_Bias).enabled) << id;
  }
  display.at(Form::Log, CheckBox_Bias).checked = true;
  dataLog.dataLogOn = 1;  // while logging the column stays chosen
  deliver(0x42, Xyz(1, 2, 3));
  EXPECT_TRUE(display.checked(Form::Log, CheckBox_Bias));
  EXPECT_FALSE(display.get(Form::Log, CheckBox_Bias).enabled);
}

class PositionLogTest : public ReportTest {
 protected:
  PositionLogTest() { ports[2].monitored = true; }
  std::uint8_t& trigger() { return state.globals.logTrigger[2]; }
};

TEST_F(PositionLogTest, TheFirstReportKindClaimsThePortAndWritesTheRecords) {
  deliver(2, 0x42, Xyz(1, 2, 3));
  EXPECT_EQ(trigger(), 0x42);
  deliver(2, 0x42, Xyz(1, 2, 3));
  deliver(2, 0x4A, Lla(0.1f, 0.1f));
  deliver(2, 0x84, DoubleLla(0.1, 0.1));
  EXPECT_EQ(records, (std::vector<int>{2, 2}));
  // After an I/O options command the next report writes and the one after claims.
  trigger() = 1;
  deliver(2, 0x84, DoubleLla(0.1, 0.1));
  EXPECT_EQ(trigger(), 0);
  deliver(2, 0x4A, Lla(0.1f, 0.1f));
  EXPECT_EQ(trigger(), 0x4A);
  deliver(2, 0x84, DoubleLla(0.1, 0.1));
  deliver(2, 0x4A, Lla(0.1f, 0.1f));
  EXPECT_EQ(records, (std::vector<int>{2, 2, 2, 2, 2}));
}

TEST_F(PositionLogTest, TimerOffsetIsClearedByARecordAndByEveryLlaReport) {
  dataLog.timerOffset[2] = 5;
  trigger() = 0x4A;
  deliver(2, 0x83, DoubleXyz(1, 2, 3));  // does not trigger
  EXPECT_EQ(dataLog.timerOffset[2], 5.0f);
  trigger() = 0x83;
  deliver(2, 0x83, DoubleXyz(1, 2, 3));
  EXPECT_EQ(dataLog.timerOffset[2], 0.0f);

  dataLog.receiverTimeMode = 0;
  dataLog.timerOffset[2] = dataLog.timerOffset[4] = 5;
  deliver(2, 0x4A, Lla(0.1f, 0.1f));
  deliver(4, 0x4A, Lla(0.1f, 0.1f));  // neither monitored nor displayed: not decoded
  EXPECT_EQ(dataLog.timerOffset[2], 0.0f);
  EXPECT_EQ(dataLog.timerOffset[4], 5.0f);
}

TEST_F(PositionLogTest, SystemTimerModeUnmonitoredPortsAndNoWriterWriteNothing) {
  dataLog.receiverTimeMode = 0;
  deliver(2, 0x42, Xyz(1, 2, 3));
  dataLog.receiverTimeMode = 1;
  deliver(0, 0x42, Xyz(1, 2, 3));  // display port, not monitored
  EXPECT_TRUE(records.empty());
  EXPECT_EQ(trigger(), 0);
  EXPECT_EQ(state.globals.logTrigger[0], 0);
  dataLog.writeDataRecord = nullptr;
  deliver(2, 0x42, Xyz(1, 2, 3));
  EXPECT_EQ(trigger(), 0x42);
}

TEST_F(PositionLogTest, MissingBiasWarnsOncePerMonitoredPort) {
  deliver(2, 0x42, Xyz(1, 2, 3));  // bias column not chosen
  display.at(Form::Log, CheckBox_Bias).checked = true;
  deliver(0, 0x42, Xyz(1, 2, 3));     // display port, not monitored
  deliver(2, 0x4A, Lla(0.1f, 0.1f));  // carries a bias
  EXPECT_TRUE(prompter.boxes.empty());
  display.at(Form::Log, CheckBox_Bias).checked = true;  // the display port's 0x42 cleared it
  ports[5].monitored = true;
  deliver(2, 0x42, Xyz(1, 2, 3));
  deliver(2, 0x42, Xyz(1, 2, 3));
  deliver(5, 0x42, Xyz(1, 2, 3));
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[0].text, "Port 3 monitored but not outputting bias.");
  EXPECT_EQ(prompter.boxes[0].caption, "Log Warning");
  EXPECT_EQ(prompter.boxes[0].icon, Icon::Exclamation);
  EXPECT_EQ(prompter.boxes[1].text, "Port 6 monitored but not outputting bias.");
  EXPECT_EQ(dataLog.biasWarningGiven[2], 1);
}

}  // namespace
}  // namespace navbin::reports::test

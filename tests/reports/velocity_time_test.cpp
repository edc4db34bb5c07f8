// Velocity reports 0x43 and 0x56 and the GPS time report 0x41.

#include <limits>

#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

Bytes Velocity(float a, float b, float c, float biasRate = 0) {
  return Payload().single(a).single(b).single(c).single(biasRate).single(1000);
}

class VelocityTimeTest : public ReportTest {
 protected:
  void expectRows(const std::vector<std::string>& values, const std::vector<std::string>& labels) {
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(mainText(rows::Panel_Vel[i]), values[i]) << i;
      EXPECT_EQ(mainText(rows::Label_Vel[i]), labels[i]) << i;
    }
  }
};

TEST_F(VelocityTimeTest, EnuVelocityShowsMagnitudeAndDirection) {
  deliver(0x56, Velocity(2.5f, -1.234f, -0.0f, 29.9792458f));
  EXPECT_EQ(mainText(Label_PanelVel), "ENU Velocity");
  EXPECT_EQ(display.main(Panel_Velocity).hint, "Velocity: Packet 56");
  expectRows({"2.50", "1.23", "0.00"}, {"East", "South", "Up"});  // -0 is not below zero
  EXPECT_EQ(text(Form::Bias, Panel_BiasRate), "100.00");
  EXPECT_EQ(state.receivers[0].velocity.velNorth, -1.234f);
  EXPECT_NEAR(state.receivers[0].velocity.biasRate, 100.0f, 1e-4);
  deliver(0x56, Velocity(-3, 1, -0.5f));
  expectRows({"3.00", "1.00", "0.50"}, {"West", "North", "Down"});
}

TEST_F(VelocityTimeTest, XyzVelocityShowsSignedAxes) {
  deliver(0x43, Velocity(-1.5f, 0.25f, 3.125f, -299.792458f));
  EXPECT_EQ(mainText(Label_PanelVel), "ECEF Velocity");
  EXPECT_EQ(display.main(Panel_Velocity).hint, "Velocity: Packet 43");
  expectRows({"-1.50", "0.25", "3.12"}, {"X", "Y", "Z"});
  EXPECT_EQ(text(Form::Bias, Panel_BiasRate), "-1000.00");
  EXPECT_EQ(state.receivers[0].velocity.velX, -1.5f);
}

TEST_F(VelocityTimeTest, WrongLengthsAndOtherPortsStayOutOfTheWindows) {
  deliver(0x43, Bytes(19, 0x40));
  deliver(0x56, Bytes(21, 0x40));
  expectOnlyTheLamp();
  EXPECT_EQ(state.receivers[0].velocity.velX, 0.0f);
  EXPECT_EQ(state.receivers[0].velocity.velEast, 0.0f);
  ports[1].monitored = true;  // other ports: their own state only
  deliver(1, 0x56, Velocity(5, 6, 7, 8));
  expectOnlyTheLamp();
  EXPECT_EQ(state.receivers[1].velocity.velUp, 7.0f);
}

TEST_F(VelocityTimeTest, GpsTimeSetsWeekDateAndGpsTimeWhateverItHolds) {
  deliver(0x41, Payload().single(345600.0f).u16(1200).single(13.0f));
  EXPECT_EQ(state.globals.gpsTime, 726105600.0);
  EXPECT_EQ(mainTexts({Panel_Week, Panel_Date}), (Strings{"1200", " Jan 9, 2003"}));
  deliver(0x41, Payload().single(std::numeric_limits<float>::quiet_NaN()).u16(65535).single(0));
  EXPECT_EQ(mainTexts({Panel_Week, Panel_Date}), (Strings{"65535", "<Bad date>"}));
  deliver(0x41, Payload().single(-100.0f).u16(0).single(0));
  EXPECT_EQ(mainText(Panel_Date), "<Bad date>");
  deliver(0x41, Payload().single(0).u16(0).single(0).u8(0));  // 11 bytes
  EXPECT_EQ(state.globals.gpsTime, -100.0);
}

}  // namespace
}  // namespace navbin::reports::test

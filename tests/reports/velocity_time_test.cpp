// Velocity reports 0x43 and 0x56 and the GPS time report 0x41.

#include "protocol/reports/control_names.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using namespace names;

std::vector<std::uint8_t> Velocity(float a, float b, float c, float biasRate = 0) {
  return Payload().single(a).single(b).single(c).single(biasRate).single(1000);
}

class VelocityTimeTest : public ReportTest {};

TEST_F(VelocityTimeTest, EnuVelocityShowsMagnitudeAndDirection) {
  deliver(0x56, Velocity(2.5f, -1.234f, -0.0f, 29.9792458f));
  EXPECT_EQ(mainText(Label_PanelVel), "ENU Velocity");
  EXPECT_EQ(display.get(Form::Main, Panel_Velocity).hint, "Velocity: Packet 56");
  EXPECT_EQ(mainText(rows::Panel_Vel[0]), "2.50");
  EXPECT_EQ(mainText(rows::Label_Vel[0]), "East");
  EXPECT_EQ(mainText(rows::Panel_Vel[1]), "1.23");
  EXPECT_EQ(mainText(rows::Label_Vel[1]), "South");
  EXPECT_EQ(mainText(rows::Panel_Vel[2]), "0.00");
  EXPECT_EQ(mainText(rows::Label_Vel[2]), "Up");  // -0 is not below zero
  EXPECT_EQ(text(Form::Bias, Panel_BiasRate), "100.00");
  const VelocityFix& v = state.receivers[0].velocity;
  EXPECT_EQ(v.velNorth, -1.234f);
  EXPECT_NEAR(v.biasRate, 100.0f, 1e-4);
}

TEST_F(VelocityTimeTest, EnuVelocityDownAndWest) {
  deliver(0x56, Velocity(-3, 1, -0.5f));
  EXPECT_EQ(mainText(rows::Label_Vel[0]), "West");
  EXPECT_EQ(mainText(rows::Label_Vel[1]), "North");
  EXPECT_EQ(mainText(rows::Label_Vel[2]), "Down");
  EXPECT_EQ(mainText(rows::Panel_Vel[2]), "0.50");
}

TEST_F(VelocityTimeTest, XyzVelocityShowsSignedAxes) {
  deliver(0x43, Velocity(-1.5f, 0.25f, 3.125f, -299.792458f));
  EXPECT_EQ(mainText(Label_PanelVel), "ECEF Velocity");
  EXPECT_EQ(display.get(Form::Main, Panel_Velocity).hint, "Velocity: Packet 43");
  EXPECT_EQ(mainText(rows::Panel_Vel[0]), "-1.50");
  EXPECT_EQ(mainText(rows::Panel_Vel[1]), "0.25");
  EXPECT_EQ(mainText(rows::Panel_Vel[2]), "3.12");
  EXPECT_EQ(mainText(rows::Label_Vel[0]), "X");
  EXPECT_EQ(mainText(rows::Label_Vel[1]), "Y");
  EXPECT_EQ(mainText(rows::Label_Vel[2]), "Z");
  EXPECT_EQ(text(Form::Bias, Panel_BiasRate), "-1000.00");
  EXPECT_EQ(state.receivers[0].velocity.velX, -1.5f);
}

TEST_F(VelocityTimeTest, VelocityOfOtherPortsStaysOutOfTheWindows) {
  ports[1].monitored = true;
  deliver(1, 0x43, Velocity(1, 2, 3, 4));
  deliver(1, 0x56, Velocity(5, 6, 7, 8));
  EXPECT_EQ(display.writes(), 0);
  EXPECT_EQ(state.receivers[1].velocity.velZ, 3.0f);
  EXPECT_EQ(state.receivers[1].velocity.velUp, 7.0f);
}

TEST_F(VelocityTimeTest, WrongVelocityLengthsAreIgnored) {
  deliver(0x43, std::vector<std::uint8_t>(19, 0x40));
  deliver(0x56, std::vector<std::uint8_t>(21, 0x40));
  EXPECT_FALSE(display.wasWritten(Form::Main, rows::Panel_Vel[0]));
  EXPECT_EQ(state.receivers[0].velocity.velX, 0.0f);
  EXPECT_EQ(state.receivers[0].velocity.velEast, 0.0f);
}

TEST_F(VelocityTimeTest, GpsTimeSetsWeekDateAndGpsTime) {
  deliver(0x41, Payload().single(345600.0f).u16(1200).single(13.0f));
  EXPECT_EQ(state.globals.gpsTime, 726105600.0);
  EXPECT_EQ(mainText(Panel_Week), "1200");
  EXPECT_EQ(mainText(Panel_Date), " Jan 9, 2003");
}

TEST_F(VelocityTimeTest, GpsTimeWithBadTimeOfWeek) {
  deliver(0x41, Payload().single(std::numeric_limits<float>::quiet_NaN()).u16(65535).single(0));
  EXPECT_EQ(mainText(Panel_Week), "65535");
  EXPECT_EQ(mainText(Panel_Date), "<Bad date>");
  deliver(0x41, Payload().single(-100.0f).u16(0).single(0));
  EXPECT_EQ(mainText(Panel_Date), "<Bad date>");
  deliver(0x41, Payload().single(0).u16(0).single(0).u8(0));  // 11 bytes
  EXPECT_EQ(state.globals.gpsTime, -100.0);
}

}  // namespace
}  // namespace navbin::reports::test

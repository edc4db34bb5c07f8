// Health 0x46, machine status 0x4B, DGPS mode 0x82 and versions 0x45.

#include "protocol/reports/control_names.h"
#include "protocol/reports/status_texts.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using namespace names;

class StatusTest : public ReportTest {};

TEST_F(StatusTest, AntennaFaults) {
  deliver(0x46, Payload().u8(0).u8(0x30));
  EXPECT_EQ(mainColour(Shape_Err2), Colour::Red);
  EXPECT_EQ(mainText(Label_AntennaLed), "feed line short");
  deliver(0x46, Payload().u8(0).u8(0x10));
  EXPECT_EQ(mainText(Label_AntennaLed), "feed line open");
  deliver(0x46, Payload().u8(0).u8(0x20));  // short bit alone is no fault
  EXPECT_EQ(mainColour(Shape_Err2), Colour::Lime);
  EXPECT_EQ(mainText(Label_AntennaLed), "feed line OK");
}

TEST_F(StatusTest, BatteryBackedMemoryLight) {
  deliver(0x46, Payload().u8(0x08).u8(0x01));
  EXPECT_EQ(mainColour(Shape_Err1), Colour::Yellow);
  EXPECT_EQ(mainText(Label_BBRAMLed), "not available at start");
  EXPECT_EQ(mainText(Panel_Health), "No Usable SVs");
  EXPECT_EQ(state.receivers[0].statusCode, 0x08);
  EXPECT_EQ(state.receivers[0].errorBits, 0x01);
  deliver(0x46, Payload().u8(0).u8(0));
  EXPECT_EQ(mainColour(Shape_Err1), Colour::Lime);
  EXPECT_EQ(mainText(Label_BBRAMLed), "available at start");
  EXPECT_EQ(mainText(Panel_Health), "Doing fixes");
}

TEST_F(StatusTest, StatusCodesPastTheTable) {
  deliver(0x46, Payload().u8(0x11).u8(0));
  EXPECT_EQ(mainText(Panel_Health), "Invalid Status");
  deliver(0x46, Payload().u8(0xFF).u8(0));
  EXPECT_EQ(mainText(Panel_Health), "Invalid Status");
  EXPECT_EQ(state.receivers[0].statusCode, 0xFF);
}

TEST(StatusText, WholeTable) {
  EXPECT_EQ(StatusText(0x01), "Don't have GPS time");
  EXPECT_EQ(StatusText(0x02), " ");
  EXPECT_EQ(StatusText(0x03), "PDOP is too high");
  EXPECT_EQ(StatusText(0x05), "");
  EXPECT_EQ(StatusText(0x09), "Only 1 Usable SV");
  EXPECT_EQ(StatusText(0x0A), "Only 2 Usable SVs");
  EXPECT_EQ(StatusText(0x0B), "Only 3 Usable SVs");
  EXPECT_EQ(StatusText(0x0C), "Chosen SV is unusable");
  EXPECT_EQ(StatusText(0x0E), "");
  EXPECT_EQ(StatusText(0x10), "TRAIM rejected fix");
  EXPECT_EQ(StatusText(-1), "Invalid Status");
  EXPECT_EQ(StatusText(17), "Invalid Status");
}

TEST_F(StatusTest, MachineStatusLights) {
  deliver(0x4B, Payload().u8(0x5A).u8(0x0A).u8(0));
  EXPECT_EQ(mainColour(Shape_Err3), Colour::Yellow);
  EXPECT_EQ(mainText(Label_RTCLed), "not available at start");
  EXPECT_EQ(mainColour(Shape_Err4), Colour::Yellow);
  EXPECT_EQ(mainText(Label_AlmanacLed), "not complete && current");
  EXPECT_EQ(state.receivers[0].statusBits, 0x0A);
  deliver(0x4B, Payload().u8(0x5A).u8(0xF5).u8(0));
  EXPECT_EQ(mainColour(Shape_Err3), Colour::Lime);
  EXPECT_EQ(mainText(Label_RTCLed), "available at start");
  EXPECT_EQ(mainColour(Shape_Err4), Colour::Lime);
  EXPECT_EQ(mainText(Label_AlmanacLed), "complete && current");
}

TEST_F(StatusTest, DgpsModes) {
  const char* expected[] = {"Manual (Diff. off)", "Manual (Diff. on)", "Auto (Diff. currently off)",
                            "Auto (Diff. currently on)", "Unknown (4)"};
  for (int mode = 0; mode <= 4; ++mode) {
    deliver(0x82, Payload().u8(mode));
    EXPECT_EQ(mainText(Panel_DGPS), expected[mode]);
  }
  deliver(0x82, Payload().u8(255));
  EXPECT_EQ(mainText(Panel_DGPS), "Unknown (255)");
  EXPECT_EQ(state.receivers[0].dgpsMode, 255);
}

TEST_F(StatusTest, WrongLengthsAndOtherPorts) {
  deliver(0x46, Payload().u8(1));
  deliver(0x4B, Payload().u8(1).u8(2));
  deliver(0x82, Payload().u8(1).u8(2));
  deliver(0x45, Payload().zeros(9));
  deliver(0x45, Payload().zeros(11));
  EXPECT_EQ(display.written().size(), 1u);  // the receive lamp
  ports[2].monitored = true;
  deliver(2, 0x46, Payload().u8(3).u8(0x11));
  deliver(2, 0x4B, Payload().u8(0).u8(2).u8(0));
  deliver(2, 0x82, Payload().u8(2));
  deliver(2, 0x45, Payload().u8(2).zeros(9));
  EXPECT_EQ(display.written().size(), 1u);
  EXPECT_EQ(state.receivers[2].statusCode, 3);
  EXPECT_EQ(state.receivers[2].errorBits, 0x11);
  EXPECT_EQ(state.receivers[2].statusBits, 2);
  EXPECT_EQ(state.receivers[2].dgpsMode, 2);
  EXPECT_EQ(state.receivers[0].statusCode, 0);
}

std::vector<std::uint8_t> Version(int major, int minor) {
  return Payload().u8(major).u8(minor).u8(3).u8(7).u8(4).u8(2).u8(13).u8(12).u8(25).u8(19);
}

TEST_F(StatusTest, VersionsAndDates) {
  deliver(0x45, Version(1, 5));
  EXPECT_EQ(text(Form::Product, Panel_NavVersion), "1.05");
  EXPECT_EQ(mainText(Panel_Version), "1.05");
  EXPECT_EQ(text(Form::Product, Panel_NavDate), "3/7/2004");
  EXPECT_EQ(text(Form::Product, Panel_SigVersion), "2.13");
  EXPECT_EQ(text(Form::Product, Panel_SigDate), "12/25/2019");
}

TEST_F(StatusTest, DatumControlsFromVersionOnePointTwelve) {
  deliver(0x45, Version(1, 11));
  EXPECT_FALSE(display.wasWritten(Form::IOOptions, ComboBox_Datum));
  EXPECT_FALSE(display.wasWritten(Form::Main, Label_DatumMain));

  for (auto [major, minor] : {std::pair{1, 12}, std::pair{2, 0}}) {
    for (auto c : {Label_Datum, ComboBox_Datum}) display.at(Form::IOOptions, c).enabled = false;
    display.at(Form::IOOptions, ComboBox_Datum).colour = Colour::ButtonFace;
    display.at(Form::Main, Label_DatumMain).enabled = false;
    display.at(Form::Main, Panel_Datum).colour = Colour::ButtonFace;
    deliver(0x45, Version(major, minor));
    EXPECT_TRUE(display.get(Form::IOOptions, Label_Datum).enabled);
    EXPECT_TRUE(display.get(Form::IOOptions, ComboBox_Datum).enabled);
    EXPECT_EQ(display.colour(Form::IOOptions, ComboBox_Datum), Colour::Window);
    EXPECT_TRUE(display.get(Form::Main, Label_DatumMain).enabled);
    EXPECT_EQ(mainColour(Panel_Datum), Colour::Window);
  }
}

}  // namespace
}  // namespace navbin::reports::test

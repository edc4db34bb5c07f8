// Health 0x46, machine status 0x4B, DGPS mode 0x82 and versions 0x45.

#include "protocol/wire/status_texts.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

class StatusTest : public ReportTest {};

TEST_F(StatusTest, HealthLightsAndTexts) {
  struct Case {
    int status, errors;
    ControlName lamp;
    Colour colour;
    ControlName label;
    const char* text;
    const char* health;
  };
  const Case cases[] = {
      {0, 0x30, Shape_Err2, Colour::Red, Label_AntennaLed, "feed line short", "Doing fixes"},
      {0, 0x10, Shape_Err2, Colour::Red, Label_AntennaLed, "feed line open", "Doing fixes"},
      {0, 0x20, Shape_Err2, Colour::Lime, Label_AntennaLed, "feed line OK",
       "Doing fixes"},  // short bit alone
      {0x08, 0x01, Shape_Err1, Colour::Yellow, Label_BBRAMLed, "not available at start",
       "No Usable SVs"},
      {0, 0, Shape_Err1, Colour::Lime, Label_BBRAMLed, "available at start", "Doing fixes"},
  };
  for (const Case& c : cases) {
    deliver(0x46, Payload().u8(c.status).u8(c.errors));
    EXPECT_EQ(mainColour(c.lamp), c.colour) << c.text;
    EXPECT_EQ(mainText(c.label), c.text);
    EXPECT_EQ(mainText(Panel_Health), c.health);
    EXPECT_EQ(state.receivers[0].errorBits, c.errors);
  }
  for (int status : {0x11, 0xFF}) {  // past the table
    deliver(0x46, Payload().u8(status).u8(0));
    EXPECT_EQ(mainText(Panel_Health), "Invalid Status");
    EXPECT_EQ(state.receivers[0].statusCode, status);
  }
}

TEST(StatusText, WholeTable) {
  const std::pair<int, const char*> table[] = {{0x00, "Doing fixes"},
                                               {0x01, "Don't have GPS time"},
                                               {0x02, " "},
                                               {0x03, "PDOP is too high"},
                                               {0x05, ""},
                                               {0x08, "No Usable SVs"},
                                               {0x09, "Only 1 Usable SV"},
                                               {0x0A, "Only 2 Usable SVs"},
                                               {0x0B, "Only 3 Usable SVs"},
                                               {0x0C, "Chosen SV is unusable"},
                                               {0x0E, ""},
                                               {0x10, "TRAIM rejected fix"},
                                               {-1, "Invalid Status"},
                                               {17, "Invalid Status"}};
  for (auto [code, text] : table) EXPECT_EQ(StatusText(code), text) << code;
}

TEST_F(StatusTest, MachineStatusLightsAndDgpsModes) {
  deliver(0x4B, Payload().u8(0x5A).u8(0x0A).u8(0));
  EXPECT_EQ(mainTexts({Label_RTCLed, Label_AlmanacLed}),
            (Strings{"not available at start", "not complete && current"}));
  EXPECT_TRUE(mainColour(Shape_Err3) == Colour::Yellow && mainColour(Shape_Err4) == Colour::Yellow);
  EXPECT_EQ(state.receivers[0].statusBits, 0x0A);
  deliver(0x4B, Payload().u8(0x5A).u8(0xF5).u8(0));
  EXPECT_EQ(mainTexts({Label_RTCLed, Label_AlmanacLed}),
            (Strings{"available at start", "complete && current"}));
  EXPECT_TRUE(mainColour(Shape_Err3) == Colour::Lime && mainColour(Shape_Err4) == Colour::Lime);

  const std::pair<int, const char*> modes[] = {
      {0, "Manual (Diff. off)"},        {1, "Manual (Diff. on)"}, {2, "Auto (Diff. currently off)"},
      {3, "Auto (Diff. currently on)"}, {4, "Unknown (4)"},       {255, "Unknown (255)"}};
  for (auto [mode, expected] : modes) {
    deliver(0x82, Payload().u8(mode));
    EXPECT_EQ(mainText(Panel_DGPS), expected);
  }
  EXPECT_EQ(state.receivers[0].dgpsMode, 255);
}

TEST_F(StatusTest, WrongLengthsAndOtherPortsStayOutOfTheWindows) {
  deliver(0x46, Payload().u8(1));
  deliver(0x4B, Payload().u8(1).u8(2));
  deliver(0x82, Payload().u8(1).u8(2));
  deliver(0x45, Payload().zeros(9));
  deliver(0x45, Payload().zeros(11));
  expectOnlyTheLamp();
  ports[2].monitored = true;
  deliver(2, 0x46, Payload().u8(3).u8(0x11));
  deliver(2, 0x4B, Payload().u8(0).u8(2).u8(0));
  deliver(2, 0x82, Payload().u8(2));
  deliver(2, 0x45, Payload().u8(2).zeros(9));
  expectOnlyTheLamp();
  const ReceiverState& r = state.receivers[2];
  EXPECT_EQ((std::vector<int>{r.statusCode, r.errorBits, r.statusBits, r.dgpsMode}),
            (std::vector<int>{3, 0x11, 2, 2}));
  EXPECT_EQ(state.receivers[0].statusCode, 0);
}

Bytes Version(int major, int minor) {
  return Payload().u8(major).u8(minor).u8(3).u8(7).u8(4).u8(2).u8(13).u8(12).u8(25).u8(19);
}

TEST_F(StatusTest, VersionsDatesAndDatumControlsFromOnePointTwelve) {
  deliver(0x45, Version(1, 5));
  EXPECT_EQ(mainText(Panel_Version), "1.05");
  EXPECT_EQ(
      texts(Form::Product, {Panel_NavVersion, Panel_NavDate, Panel_SigVersion, Panel_SigDate}),
      (Strings{"1.05", "3/7/2004", "2.13", "12/25/2019"}));

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
    EXPECT_TRUE(display.main(Label_DatumMain).enabled);
    EXPECT_EQ(mainColour(Panel_Datum), Colour::Window);
  }
}

}  // namespace
}  // namespace navbin::reports::test

// The timing super-packets on the display port: texts, lights and the main
// window's timing layout, for the edge cases of both reports (the values of
// whole recordings are checked on the real windows by the app tests).

#include <limits>

#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

// clang-format off
Bytes Primary(int month, int flags, std::size_t length = 17) {
  Bytes p = Payload().u8(0xAB).u8(0).u8(3).u16(0xA95F).u16(2076).u16(18).u8(flags).u8(27).u8(39)
                .u8(18).u8(22).u8(month).u16(2019);
  p.resize(length, 0);
  return p;
}

Bytes Supplemental(int mode, int status, int alarms, double latitude) {
  return Payload().u8(0xAC).u8(mode).u8(0).u8(42).zeros(6).u16(alarms).u8(status).zeros(3)
      .single(-3.0706f).single(15.994f).zeros(12).dbl(latitude).dbl(-1.3213).dbl(210.6)
      .single(7.97f).u8(mode == 4).zeros(3);  // PPS generated in mode 4 only
}
// clang-format on

class TimingReportTest : public ReportTest {};

TEST_F(TimingReportTest, TextsLightsDisplayModeRuleAndWrongLengths) {
  struct Case {
    int mode, status, alarms;
    double latitude;
    const char *modeText, *statusText, *latitudeText;
    bool timingLayout;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {4, 0, 0x0028, -0.5, "Full Position (3D)", "Doing fixes", "-28° 38' 52.402", false},
      {9, 17, 0, 0.7215105063959221, "Invalid Mode", "Invalid Status", "41° 20' 22.223", true},
      {7, 0, 0xFFFF, -0.005, "Overdetermined Clock", "Doing fixes", "-0° 17' 11.324", true},
      {4, 1, 0, nan, "Full Position (3D)", "Don't have GPS time", "nan", true},
      {2, 16, 0, 1e12, " ", "TRAIM rejected fix", "57295778666661° 39' 50.625", true},
  };
  constexpr ControlName kLights[] = {Shape_Bit3, Shape_Bit5, Shape_Bit6,  Shape_Bit7,
                                     Shape_Bit8, Shape_Bit9, Shape_Bit10, Shape_Bit11};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.modeText);
    display = {};
    deliver(0x8F, Supplemental(c.mode, c.status, c.alarms, c.latitude));
    EXPECT_EQ(texts(Form::TimingPackets,
                    {Panel_Mode, Panel_Status, Panel_Latitude, Panel_Longitude, Panel_Altitude,
                     Panel_SelfSurvey, Panel_PPSOffset, Panel_10MHz, Panel_Quantization}),
              (Strings{c.modeText, c.statusText, c.latitudeText, "-75° 42' 17.685", "210.6", "42%",
                       "-3.07", "15.99", "7.97"}));
    EXPECT_EQ(mainTexts({Panel_SuperReceiverMode, Panel_SuperLat, Panel_SuperAlt}),
              (Strings{c.modeText, c.latitudeText, "210.6"}));
    for (std::size_t i = 0; i < std::size(kLights); ++i) {
      const bool set = (c.alarms >> (i == 0 ? 3 : i + 4)) & 1;  // bits 3, 5 to 11
      EXPECT_EQ(display.colour(Form::TimingPackets, kLights[i]),
                set ? Colour::Yellow : Colour::Lime)
          << kLights[i].text();
    }
    EXPECT_EQ(display.colour(Form::TimingPackets, Shape_PPS),
              c.mode == 4 ? Colour::Lime : Colour::Yellow);
    EXPECT_EQ(!display.main(Panel_TOW).visible, c.timingLayout);
  }
  // A month outside 1..12 has no name; the UTC flag names the time type.
  for (int month : {0, 13}) {
    deliver(0x8F, Primary(month, 0x03));
    EXPECT_EQ(texts(Form::TimingPackets, {Panel_Date, Label_TimeType, Panel_Time}),
              (Strings{"??? 22, 2019", "UTC", "18:39:27"}));
  }
  Bytes short67 = Supplemental(7, 0, 0, 0);
  short67.pop_back();
  for (const Bytes& wrong : {Primary(10, 0, 16), Primary(10, 0, 18), short67}) {
    display = {};
    deliver(0x8F, wrong);
    expectOnlyTheLamp();
  }
}

}  // namespace
}  // namespace navbin::reports::test

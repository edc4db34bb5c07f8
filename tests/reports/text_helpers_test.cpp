// Formatting helpers, the angle split, the control-name list and the system clock.

#include <cmath>
#include <ctime>
#include <limits>

#include "protocol/presentation/angle_text.h"
#include "protocol/presentation/format.h"
#include "protocol/receiver/age_channels.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

TEST(Format, PrintfTextsOfAnyLength) {
  EXPECT_EQ(Format("%d-D  (%d SV)", 3, 8), "3-D  (8 SV)");
  EXPECT_EQ(Format("%0d/%0d/%d", 3, 7, 2004), "3/7/2004");
  const std::string huge = Format("%.2f", 1e300);
  EXPECT_EQ(huge.size(), 304u);
  EXPECT_EQ(huge.substr(0, 4), "1000");
  EXPECT_EQ(Format("%s", std::string(1000, 'x').c_str()).size(), 1000u);
  EXPECT_EQ(Format("%s", ""), "");
}

TEST(SplitAngle, DegreesMinutesAndHemisphereOfAnyValue) {
  const double inf = std::numeric_limits<double>::infinity();  // NaN: see the position reports
  const struct {
    double degrees;
    char positive, negative;
    const char *deg, *min, *hemisphere;
  } cases[] = {
      {-28.64789, 'N', 'S', "28\xC2\xB0", "38.87340'", "S"},
      {0.5, 'E', 'W', "0\xC2\xB0", "30.00000'", "E"},
      {-0.0, 'N', 'S', "0\xC2\xB0", "0.00000'", "N"},
      {-inf, 'E', 'W', "inf\xC2\xB0", nullptr, "W"},
      {3e9, 'N', 'S', "3000000000\xC2\xB0", "0.00000'", "N"},  // more than an int holds
      {2147483647.5, 'N', 'S', "2147483647\xC2\xB0", "30.00000'", "N"},
  };
  for (const auto& c : cases) {
    const AngleTexts t = SplitAngle(c.degrees, c.positive, c.negative);
    EXPECT_EQ(t.degrees, c.deg) << c.degrees;
    EXPECT_EQ(t.minutes, c.min ? c.min : t.minutes) << c.degrees;  // none for infinity
    EXPECT_EQ(t.hemisphere, c.hemisphere) << c.degrees;
  }
  EXPECT_DOUBLE_EQ(SplitAngle(-28.64789, 'N', 'S').signedDegrees, -28.64789);
  EXPECT_FALSE(std::signbit(SplitAngle(-0.0, 'N', 'S').signedDegrees));
}

// Every control a decoder reaches must be one the windows define.
class ControlNamesTest : public ReportTest {};

TEST_F(ControlNamesTest, DecodersWriteOnlyListedControls) {
  ports[0].monitored = true;
  display.at(Form::Log, CheckBox_Bias).checked = true;
  deliver(0x41, Payload().single(1).u16(1).single(0));
  deliver(0x42, Payload().single(1).single(2).single(3).single(4));
  deliver(0x45, Payload().u8(3).zeros(9));
  deliver(0x46, Payload().u8(0).u8(0x31));
  deliver(0x4B, Payload().u8(0).u8(0xFF).u8(0));
  for (int id : {0x43, 0x4A, 0x56}) deliver(id, Payload().zeros(20));
  for (int id : {0x83, 0x84}) deliver(id, Payload().zeros(36));
  for (int channel = 0; channel < 12; ++channel) {
    deliver(0x5C, Payload().u8(channel + 1).u8(channel << 3).zeros(22));
  }
  deliver(0x6D, Payload().u8(0x44).zeros(16).u8(1).u8(2));
  deliver(0x82, Payload().u8(1));
  for (int i = 0; i < 6; ++i) ageChannels(dispatcher.context());
  EXPECT_GT(display.written().size(), 150u);
  for (const auto& [form, name] : display.written()) {
    EXPECT_TRUE(IsReportControl(form, name)) << static_cast<int>(form) << " " << name;
  }
  EXPECT_EQ(rows::Panel_SV[0].text(), "Panel_SV1");
  EXPECT_EQ(rows::Panel_Azim[11].text(), "Panel_Azim12");
  EXPECT_FALSE(IsReportControl(Form::Main, "Panel_Amu1"));  // the main window says AMU
  EXPECT_TRUE(IsReportControl(Form::Main, "Panel_AMU1"));
}

TEST(RealSystemClock, ReadsUtcAndRefusesImpossibleTimesWithoutTouchingTheClock) {
  platform::RealSystemClock clock;
  const std::time_t t = std::time(nullptr);
  EXPECT_EQ(clock.nowUtc().year, std::gmtime(&t)->tm_year + 1900);
  const platform::CalendarTime impossible[] = {{2024, 2, 30, 0, 0, 0, 0},
                                               {2023, 13, 1, 0, 0, 0, 0},
                                               {2023, 1, 1, 24, 0, 0, 0},
                                               {1969, 12, 31, 0, 0, 0, 0},
                                               {2023, 1, 1, 0, 0, 60, 0}};
  for (const auto& time : impossible) EXPECT_FALSE(clock.setUtc(time)) << time.month;
}

}  // namespace
}  // namespace navbin::reports::test

// Formatting helpers, the angle split and the control-name list.

#include <cmath>
#include <limits>

#include "platform/system_clock.h"
#include "protocol/reports/age_channels.h"
#include "protocol/reports/angle_text.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/format.h"
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

TEST(SplitAngle, DegreesMinutesAndHemisphere) {
  AngleTexts t = SplitAngle(-28.64789, 'N', 'S');
  EXPECT_EQ(t.degrees, "28\xC2\xB0");
  EXPECT_EQ(t.hemisphere, "S");
  EXPECT_DOUBLE_EQ(t.signedDegrees, -28.64789);
  t = SplitAngle(0.5, 'E', 'W');
  EXPECT_EQ(t.degrees, "0\xC2\xB0");
  EXPECT_EQ(t.minutes, "30.00000'");
  EXPECT_EQ(t.hemisphere, "E");
  t = SplitAngle(-0.0, 'N', 'S');
  EXPECT_EQ(t.degrees, "0\xC2\xB0");
  EXPECT_EQ(t.hemisphere, "N");
  EXPECT_FALSE(std::signbit(t.signedDegrees));
}

TEST(SplitAngle, ValuesAnIntCannotHold) {
  AngleTexts t = SplitAngle(std::nan(""), 'N', 'S');
  EXPECT_NE(t.degrees.find("nan"), std::string::npos);
  EXPECT_NE(t.minutes.find("nan"), std::string::npos);
  t = SplitAngle(-std::numeric_limits<double>::infinity(), 'E', 'W');
  EXPECT_EQ(t.degrees, "inf\xC2\xB0");
  EXPECT_EQ(t.hemisphere, "W");
  t = SplitAngle(3e9, 'N', 'S');
  EXPECT_EQ(t.degrees, "3000000000\xC2\xB0");
  EXPECT_EQ(t.minutes, "0.00000'");
  t = SplitAngle(2147483647.5, 'N', 'S');
  EXPECT_EQ(t.degrees, "2147483647\xC2\xB0");
}

// Every control a decoder reaches must be one the windows define.
class ControlNamesTest : public ReportTest {};

TEST_F(ControlNamesTest, DecodersWriteOnlyListedControls) {
  shell.displayPort = 1;
  ports[0].monitored = true;
  display.at(Form::Log, names::CheckBox_Bias).checked = true;
  deliver(0x41, Payload().single(1).u16(1).single(0));
  deliver(0x42, Payload().single(1).single(2).single(3).single(4));
  deliver(0x43, Payload().zeros(20));
  deliver(0x45, Payload().u8(3).zeros(9));
  deliver(0x46, Payload().u8(0).u8(0x31));
  deliver(0x4A, Payload().zeros(20));
  deliver(0x4B, Payload().u8(0).u8(0xFF).u8(0));
  deliver(0x56, Payload().zeros(20));
  for (int channel = 0; channel < 12; ++channel) {
    deliver(0x5C, Payload().u8(channel + 1).u8(channel << 3).zeros(22));
  }
  deliver(0x6D, Payload().u8(0x44).zeros(16).u8(1).u8(2));
  deliver(0x82, Payload().u8(1));
  deliver(0x83, Payload().zeros(36));
  deliver(0x84, Payload().zeros(36));
  for (int i = 0; i < 6; ++i) ageChannels(dispatcher.context());
  EXPECT_GT(display.written().size(), 150u);
  for (const auto& [form, name] : display.written()) {
    EXPECT_TRUE(IsReportControl(form, name)) << static_cast<int>(form) << " " << name;
  }
}

TEST(ControlNames, RowsAreNumberedFromOne) {
  EXPECT_EQ(rows::Panel_SV[0], "Panel_SV1");
  EXPECT_EQ(rows::Panel_Azim[11], "Panel_Azim12");
  EXPECT_EQ(rows::Label_Vel[2], "Label_Vel3");
  EXPECT_FALSE(IsReportControl(Form::Main, "Panel_Amu1"));  // the main window says AMU
  EXPECT_TRUE(IsReportControl(Form::Main, "Panel_AMU1"));
}

TEST(RealSystemClock, ReadsTheCurrentUtcTime) {
  platform::RealSystemClock clock;
  const platform::CalendarTime now = clock.nowUtc();
  const std::time_t t = std::time(nullptr);
  std::tm parts{};
  gmtime_r(&t, &parts);
  EXPECT_EQ(now.year, parts.tm_year + 1900);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);
}

TEST(RealSystemClock, RefusesImpossibleTimesWithoutTouchingTheClock) {
  platform::RealSystemClock clock;
  platform::CalendarTime t{2024, 2, 30, 0, 0, 0, 0};
  EXPECT_FALSE(clock.setUtc(t));
  t = {2023, 13, 1, 0, 0, 0, 0};
  EXPECT_FALSE(clock.setUtc(t));
  t = {2023, 1, 1, 24, 0, 0, 0};
  EXPECT_FALSE(clock.setUtc(t));
  t = {1969, 12, 31, 0, 0, 0, 0};
  EXPECT_FALSE(clock.setUtc(t));
  t = {2023, 1, 1, 0, 0, 60, 0};
  EXPECT_FALSE(clock.setUtc(t));
}

}  // namespace
}  // namespace navbin::reports::test

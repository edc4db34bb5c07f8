// Time of week texts, the GPS calendar and setting the PC clock.

#include <chrono>
#include <cmath>
#include <limits>

#include "protocol/reports/control_names.h"
#include "protocol/reports/time_functions.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Whole days from the GPS epoch to a date.
std::int64_t DaysTo(int y, unsigned m, unsigned d) {
  using namespace std::chrono;
  return (sys_days{year{y} / month{m} / day{d}} - sys_days{year{1980} / January / 6}).count();
}

TEST(TimeOfWeekText, MarkersAndTheEdgesOfTheWeek) {
  EXPECT_EQ(TimeOfWeekText(-1.0f, true), "<No time yet>");
  EXPECT_EQ(TimeOfWeekText(-1.0f, false), "<No time yet>");
  EXPECT_EQ(TimeOfWeekText(-100.0f, true), " Sat 23:58:20.00");
  EXPECT_EQ(TimeOfWeekText(604800.0f, true), "<Bad time>");
  EXPECT_EQ(TimeOfWeekText(-604801.0f, true), "<Bad time>");
  EXPECT_EQ(TimeOfWeekText(0.0f, true), " Sun 00:00:00.00");
  EXPECT_EQ(TimeOfWeekText(604799.5f, true), " Sat 23:59:59.50");
}

TEST(TimeOfWeekText, DayNameOrDayNumber) {
  EXPECT_EQ(TimeOfWeekText(86399.5f, true), " Sun 23:59:59.50");
  EXPECT_EQ(TimeOfWeekText(86399.5f, false), " 0 23:59:60");  // "%02.0f" rounds the seconds
  EXPECT_EQ(TimeOfWeekText(43200.0f + 86400.0f, true), " Mon 12:00:00.00");
  EXPECT_EQ(TimeOfWeekText(3.0f * 86400 + 3723.25f, false), " 3 01:02:03");
}

TEST(TimeOfWeekText, NotANumberIsABadTime) {
  EXPECT_EQ(TimeOfWeekText(kNaN, true), "<Bad time>");
  EXPECT_EQ(TimeOfWeekText(-kNaN, false), "<Bad time>");
  EXPECT_EQ(TimeOfWeekText(kInf, true), "<Bad time>");
  EXPECT_EQ(TimeOfWeekText(-kInf, true), "<Bad time>");
}

TEST(GpsDateText, KnownDates) {
  EXPECT_EQ(GpsDateText(0), " Jan 6, 1980");
  EXPECT_EQ(GpsDateText(604800), " Jan 13, 1980");
  EXPECT_EQ(GpsDateText(1200 * 604800.0 + 345600.0), " Jan 9, 2003");
  EXPECT_EQ(GpsDateText(86399.9), " Jan 6, 1980");
  EXPECT_EQ(GpsDateText(360 * 86400.0), " Dec 31, 1980");
  EXPECT_EQ(GpsDateText(361 * 86400.0), " Jan 1, 1981");
}

TEST(GpsDateText, TimesWithoutACalendarDate) {
  EXPECT_EQ(GpsDateText(-1), "<Bad date>");
  EXPECT_EQ(GpsDateText(std::nan("")), "<Bad date>");
  EXPECT_EQ(GpsDateText(std::numeric_limits<double>::infinity()), "<Bad date>");
  EXPECT_EQ(GpsDateText(1e300), "<Bad date>");
  EXPECT_EQ(GpsDateText(std::numeric_limits<double>::max()), "<Bad date>");
  EXPECT_EQ(GpsDayToDate(-1), std::nullopt);
  EXPECT_EQ(GpsDayToDate(std::numeric_limits<std::int64_t>::max() - 10), std::nullopt);
}

TEST(GpsCalendar, GregorianRuleForEveryYear) {
  using namespace std::chrono;
  const sys_days epoch = year{1980} / January / 6;
  const auto check = [&](std::int64_t days) {
    const year_month_day expected{epoch + std::chrono::days{days}};
    const auto date = GpsDayToDate(days);
    ASSERT_TRUE(date.has_value()) << days;
    ASSERT_EQ(*date, (GpsDate{int(expected.year()), int(unsigned(expected.month())),
                              int(unsigned(expected.day()))}))
        << days;
  };
  // Every day of the years around the turns of 2000 and 2100, and a sample of
  // every 61st day up to the last calendar year.
  const std::int64_t to2000 = (sys_days{year{1999} / January / 1} - epoch).count();
  const std::int64_t to2100 = (sys_days{year{2099} / January / 1} - epoch).count();
  for (std::int64_t d = 0; d < 400; ++d) check(d);
  for (std::int64_t d = to2000; d < to2000 + 3 * 366; ++d) check(d);
  for (std::int64_t d = to2100; d < to2100 + 3 * 366; ++d) check(d);
  const std::int64_t last = (sys_days{year{9999} / December / 31} - epoch).count();
  for (std::int64_t d = 0; d <= last; d += 61) check(d);
  check(last);
  EXPECT_EQ(GpsDayToDate(last + 1), std::nullopt);
}

TEST(GpsCalendar, LeapDaysAfterTheOldTablesEnded) {
  EXPECT_EQ(GpsDateText(DaysTo(2024, 2, 29) * 86400.0), " Feb 29, 2024");
  EXPECT_EQ(GpsDateText(DaysTo(2100, 3, 1) * 86400.0 - 1), " Feb 28, 2100");
  EXPECT_EQ(GpsDateText(DaysTo(2400, 3, 1) * 86400.0 - 1), " Feb 29, 2400");
  // The last week number a receiver can send.
  EXPECT_EQ(GpsDateText(65535 * 604800.0 + 604799.0), " Jan 12, 3236");
}

TEST(PcClockTime, UtcFieldsFromGpsTimeAndOffset) {
  const double gps = 1200 * 604800.0 + 345600.0 + 3723.0;  // Thu 9 Jan 2003 01:02:03 GPS
  const auto t = PcClockTime(gps, 13.0f);
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->year, 2003);
  EXPECT_EQ(t->month, 1);
  EXPECT_EQ(t->day, 9);
  EXPECT_EQ(t->hour, 1);
  EXPECT_EQ(t->minute, 1);
  EXPECT_EQ(t->second, 50);
  EXPECT_EQ(t->millisecond, 0);
  // The offset can take the time back across midnight into the day before.
  const auto before = PcClockTime(1200 * 604800.0 + 345600.0 + 5, 13.0f);
  ASSERT_TRUE(before.has_value());
  EXPECT_EQ(before->day, 8);
  EXPECT_EQ(before->hour, 23);
  EXPECT_EQ(before->minute, 59);
  EXPECT_EQ(before->second, 52);
}

TEST(PcClockTime, NoCalendarTimeForBadInstants) {
  EXPECT_EQ(PcClockTime(5, 13.0f), std::nullopt);  // before the epoch
  EXPECT_EQ(PcClockTime(std::nan(""), 0), std::nullopt);
  EXPECT_EQ(PcClockTime(1e9, kNaN), std::nullopt);
  EXPECT_EQ(PcClockTime(1e300, 0), std::nullopt);
}

class SetPcClockTest : public ReportTest {};

TEST_F(SetPcClockTest, WithoutGpsTimeNothingIsSet) {
  setPcClock(dispatcher.context(), 13.0f);
  EXPECT_TRUE(clock.set.empty());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Can't set time");
  EXPECT_EQ(prompter.messages[0].caption, "GPS time is not available yet.");
  EXPECT_EQ(prompter.messages[0].icon, Icon::None);
}

TEST_F(SetPcClockTest, RefusedClockShowsTheFailureBox) {
  state.globals.gpsTime = 726105600.0;
  clock.accept = false;
  setPcClock(dispatcher.context(), 13.0f);
  ASSERT_EQ(clock.set.size(), 1u);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Can't set time");
  EXPECT_EQ(prompter.messages[0].caption, "Time set failure.");
}

TEST_F(SetPcClockTest, AcceptedClockShowsNothing) {
  state.globals.gpsTime = 726105600.0;
  setPcClock(dispatcher.context(), 13.0f);
  ASSERT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(clock.set[0].day, 8);
  EXPECT_EQ(clock.set[0].hour, 23);
  EXPECT_EQ(clock.set[0].second, 47);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SetPcClockTest, TimeWithoutADateFailsWithoutTouchingTheClock) {
  state.globals.gpsTime = -3.0;
  setPcClock(dispatcher.context(), 0);
  state.globals.gpsTime = std::nan("");
  setPcClock(dispatcher.context(), 0);
  EXPECT_TRUE(clock.set.empty());
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].caption, "Time set failure.");
}

TEST_F(SetPcClockTest, GpsTimeReportSetsTheClockOnceWhenAsked) {
  state.globals.setClockPending = 1;
  deliver(0x41, Payload().single(345600.0f).u16(1200).single(13.0f));
  EXPECT_EQ(state.globals.setClockPending, 0);
  ASSERT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(clock.set[0].year, 2003);
  deliver(0x41, Payload().single(345601.0f).u16(1200).single(13.0f));
  EXPECT_EQ(clock.set.size(), 1u);
}

TEST_F(SetPcClockTest, FirstGpsTimeOfZeroStillClearsTheRequest) {
  state.globals.setClockPending = 1;
  deliver(0x41, Payload().single(0).u16(0).single(0));
  EXPECT_EQ(state.globals.setClockPending, 0);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "GPS time is not available yet.");
}

}  // namespace
}  // namespace navbin::reports::test

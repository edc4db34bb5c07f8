// Time of week texts, the GPS calendar and setting the PC clock.

#include <chrono>
#include <cmath>
#include <limits>

#include "protocol/presentation/time_functions.h"
#include "shell/pc_clock.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using shell::setPcClock;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr double kDay = 86400.0;

// Whole days from the GPS epoch to a date.
double DaysTo(int y, unsigned m, unsigned d) {
  using namespace std::chrono;
  return static_cast<double>(
      (sys_days{year{y} / month{m} / day{d}} - sys_days{year{1980} / January / 6}).count());
}

TEST(TimeOfWeekText, MarkersEdgesOfTheWeekAndDayNumbers) {
  const struct {
    float tow;
    bool dayName;
    const char* text;
  } cases[] = {
      {-1.0f, true, "<No time yet>"},
      {-1.0f, false, "<No time yet>"},
      {-100.0f, true, " Sat 23:58:20.00"},
      {604800.0f, true, "<Bad time>"},
      {-604801.0f, true, "<Bad time>"},
      {0.0f, true, " Sun 00:00:00.00"},
      {604799.5f, true, " Sat 23:59:59.50"},
      {86399.5f, true, " Sun 23:59:59.50"},
      {86399.5f, false, " 0 23:59:60"},  // "%02.0f" rounds the seconds
      {43200.0f + 86400.0f, true, " Mon 12:00:00.00"},
      {3.0f * 86400 + 3723.25f, false, " 3 01:02:03"},
      {kNaN, true, "<Bad time>"},
      {-kNaN, false, "<Bad time>"},
      {kInf, true, "<Bad time>"},
      {-kInf, true, "<Bad time>"},
  };
  for (const auto& c : cases) EXPECT_EQ(TimeOfWeekText(c.tow, c.dayName), c.text) << c.tow;
}

TEST(GpsDateText, KnownDatesLeapDaysAndTimesWithoutADate) {
  const std::pair<double, const char*> cases[] = {
      {0, " Jan 6, 1980"},
      {604800, " Jan 13, 1980"},
      {1200 * 604800.0 + 345600.0, " Jan 9, 2003"},
      {86399.9, " Jan 6, 1980"},
      {360 * kDay, " Dec 31, 1980"},
      {361 * kDay, " Jan 1, 1981"},
      // After the old calendar tables ended.
      {DaysTo(2024, 2, 29) * kDay, " Feb 29, 2024"},
      {DaysTo(2100, 3, 1) * kDay - 1, " Feb 28, 2100"},
      {DaysTo(2400, 3, 1) * kDay - 1, " Feb 29, 2400"},
      {65535 * 604800.0 + 604799.0, " Jan 12, 3236"},  // the last week a receiver can send
      {-1, "<Bad date>"},
      {std::nan(""), "<Bad date>"},
      {std::numeric_limits<double>::infinity(), "<Bad date>"},
      {1e300, "<Bad date>"},
      {std::numeric_limits<double>::max(), "<Bad date>"},
  };
  for (auto [gpsTime, text] : cases) EXPECT_EQ(GpsDateText(gpsTime), text) << gpsTime;
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
  // Every day of the years around the turns of 2000 and 2100, and every 61st
  // day up to the last calendar year.
  const auto to2000 = static_cast<std::int64_t>(DaysTo(1999, 1, 1));
  const auto to2100 = static_cast<std::int64_t>(DaysTo(2099, 1, 1));
  const auto last = static_cast<std::int64_t>(DaysTo(9999, 12, 31));
  for (std::int64_t d = 0; d < 400; ++d) check(d);
  for (std::int64_t d = to2000; d < to2000 + 3 * 366; ++d) check(d);
  for (std::int64_t d = to2100; d < to2100 + 3 * 366; ++d) check(d);
  for (std::int64_t d = 0; d <= last; d += 61) check(d);
  check(last);
  EXPECT_EQ(GpsDayToDate(last + 1), std::nullopt);
}

TEST(PcClockTime, UtcFieldsFromGpsTimeAndOffset) {
  const double thursday = 1200 * 604800.0 + 345600.0;  // Thu 9 Jan 2003 00:00:00 GPS
  const auto t = PcClockTime(thursday + 3723.0, 13.0f);
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(
      (std::vector<int>{t->year, t->month, t->day, t->hour, t->minute, t->second, t->millisecond}),
      (std::vector<int>{2003, 1, 9, 1, 1, 50, 0}));
  EXPECT_EQ(PcClockTime(5, 13.0f), std::nullopt);  // before the epoch
  EXPECT_EQ(PcClockTime(std::nan(""), 0), std::nullopt);
  EXPECT_EQ(PcClockTime(1e9, kNaN), std::nullopt);
  EXPECT_EQ(PcClockTime(1e300, 0), std::nullopt);
}

class SetPcClockTest : public ReportTest {
 protected:
  void expectOneBox(const char* caption) {
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, "Can't set time");
    EXPECT_EQ(prompter.boxes[0].caption, caption);
    EXPECT_EQ(prompter.boxes[0].icon, Icon::None);
    prompter.boxes.clear();
  }
};

TEST_F(SetPcClockTest, SetsTheClockOrSaysWhyNot) {
  setPcClock(dispatcher.context(), 13.0f);
  EXPECT_TRUE(clock.set.empty());
  expectOneBox("GPS time is not available yet.");

  for (double bad : {-3.0, std::nan("")}) {  // a time without a date
    state.globals.gpsTime = bad;
    setPcClock(dispatcher.context(), 0);
    EXPECT_TRUE(clock.set.empty());
    expectOneBox("Time set failure.");
  }

  // A receiver counting weeks modulo 1024 reads week 1403 (2006) in 2026:
  // never set the clock before the build date.
  state.globals.gpsTime = 1403 * 604800.0 + 1e5;
  setPcClock(dispatcher.context(), 14.0f);
  EXPECT_TRUE(clock.set.empty());
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].caption, "Can't set time");
  EXPECT_EQ(prompter.boxes[0].text.rfind("The receiver's time (Nov 27, 2006) is before this "
                                         "program was built (",
                                         0),
            0u);
  prompter.boxes.clear();

  state.globals.gpsTime = 4000 * 604800.0 + 2 * 86400 + 5 * 3600 + 7;  // 2056
  clock.accept = false;
  setPcClock(dispatcher.context(), 13.0f);
  EXPECT_EQ(clock.set.size(), 1u);
  expectOneBox("Time set failure.");

  clock.accept = true;
  setPcClock(dispatcher.context(), 13.0f);
  ASSERT_EQ(clock.set.size(), 2u);
  EXPECT_EQ((std::vector<int>{clock.set[1].day, clock.set[1].hour, clock.set[1].second}),
            (std::vector<int>{5, 4, 54}));
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(SetPcClockTest, GpsTimeReportSetsTheClockOnceWhenAsked) {
  state.globals.setClockPending = 1;
  deliver(0x41, Payload().single(345600.0f).u16(4000).single(13.0f));
  EXPECT_EQ(state.globals.setClockPending, 0);
  ASSERT_EQ(clock.set.size(), 1u);
  EXPECT_EQ(clock.set[0].year, 2056);
  deliver(0x41, Payload().single(345601.0f).u16(4000).single(13.0f));
  EXPECT_EQ(clock.set.size(), 1u);

  // A first GPS time of zero still clears the request.
  state.globals.setClockPending = 1;
  state.globals.gpsTime = 0;
  deliver(0x41, Payload().single(0).u16(0).single(0));
  EXPECT_EQ(state.globals.setClockPending, 0);
  expectOneBox("GPS time is not available yet.");
}

}  // namespace
}  // namespace navbin::reports::test

#pragma once
// Time of week and GPS time as texts, the GPS calendar, and the PC clock time
// of a GPS time. The text functions are pure; the show functions place their
// result through Display.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system_clock.h"
#include "protocol/presentation/display.h"

namespace navbin::reports {

inline constexpr double kSecondsPerWeek = 604800.0;
inline constexpr double kSecondsPerDay = 86400.0;
// Last year the calendar functions answer for; later times count as bad.
inline constexpr int kLastCalendarYear = 9999;

// "Jan" .. "Dec" for months 1 to 12, "???" for any other value.
std::string_view MonthName(int month);
// "Sun" .. "Sat" for days 0 to 6, "???" for any other value.
std::string_view DayName(int day);

struct GpsDate {
  int year = 1980;
  int month = 1;  // 1..12
  int day = 6;    // 1..31
  bool operator==(const GpsDate&) const = default;
};

bool IsLeapYear(int year);
// The date `days` whole days after 1980-01-06 (day 0 is 6 January 1980), by
// the Gregorian rule for every year; nothing for negative days or dates after
// kLastCalendarYear.
std::optional<GpsDate> GpsDayToDate(std::int64_t days);
// The date of trunc(seconds / 86400) days after the GPS epoch; nothing for a
// negative, NaN or infinite value or a date after kLastCalendarYear.
std::optional<GpsDate> GpsToCalendar(double seconds);

// " Sun 23:59:59.50" with the day name, " 0 23:59:60" without; "<No time yet>"
// for exactly -1; "<Bad time>" outside the week and for NaN.
std::string TimeOfWeekText(float timeOfWeek, bool withDayName);
// " Jan 6, 1980" for gpsTime 0; "<Bad date>" when GpsToCalendar has no date.
std::string GpsDateText(double gpsTime);
// The UTC calendar time of gpsTime minus utcOffset, milliseconds 0; nothing
// when that instant has no calendar date (see GpsToCalendar).
std::optional<platform::CalendarTime> PcClockTime(double gpsTime, float utcOffset);

void showTimeOfWeek(Display& display, Form form, ControlName control, float timeOfWeek,
                    bool withDayName);
void showGpsDate(Display& display, Form form, ControlName control, double gpsTime);

}  // namespace navbin::reports

#include "protocol/presentation/time_functions.h"

#include <array>
#include <cmath>

#include "protocol/presentation/format.h"

namespace navbin::reports {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
constexpr std::array<int, 12> kCommonMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 12> kLeapMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int kFirstYear = 1980;
constexpr std::int64_t kDaysPer400Years = 146097;
// The GPS epoch is the sixth day of 1980.
constexpr std::int64_t kEpochDayOfYear = 5;

int YearDays(int year) {
  return IsLeapYear(year) ? 366 : 365;
}

}  // namespace

std::string_view MonthName(int month) {
  if (month < 1 || month > 12) return "???";
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string_view DayName(int day) {
  if (day < 0 || day > 6) return "???";
  return kDayNames[static_cast<std::size_t>(day)];
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<GpsDate> GpsDayToDate(std::int64_t days) {
  if (days < 0) return std::nullopt;
  // Whole 400-year cycles first (each has the same length), so the year walk
  // below takes at most 400 steps for any input.
  std::int64_t left = days + kEpochDayOfYear;
  const std::int64_t cycles = left / kDaysPer400Years;
  if (cycles > (kLastCalendarYear - kFirstYear) / 400 + 1) return std::nullopt;
  left -= cycles * kDaysPer400Years;
  int year = kFirstYear + static_cast<int>(cycles) * 400;
  while (left >= YearDays(year)) {
    left -= YearDays(year);
    ++year;
  }
  if (year > kLastCalendarYear) return std::nullopt;
  const auto& monthDays = IsLeapYear(year) ? kLeapMonthDays : kCommonMonthDays;
  int month = 0;
  while (left >= monthDays[static_cast<std::size_t>(month)]) {
    left -= monthDays[static_cast<std::size_t>(month)];
    ++month;
  }
  return GpsDate{year, month + 1, static_cast<int>(left) + 1};
}

std::optional<GpsDate> GpsToCalendar(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) return std::nullopt;
  const double days = std::trunc(seconds / kSecondsPerDay);
  // About 2.9 million days reach the last calendar year; refuse far beyond
  // that before converting, so the conversion cannot overflow.
  if (days > 1e8) return std::nullopt;
  return GpsDayToDate(static_cast<std::int64_t>(days));
}

std::string TimeOfWeekText(float timeOfWeek, bool withDayName) {
  float t = timeOfWeek;
  if (t == -1.0f) return "<No time yet>";
  if (t < 0) t += static_cast<float>(kSecondsPerWeek);
  if (!(t >= 0 && t < static_cast<float>(kSecondsPerWeek))) return "<Bad time>";  // NaN too
  const double w = t;
  const int day = static_cast<int>(std::trunc(w / kSecondsPerDay));
  const int hours = static_cast<int>(std::trunc(std::fmod(w / 3600.0, 24.0)));
  const int minutes = static_cast<int>(std::trunc(std::fmod(w / 60.0, 60.0)));
  const float seconds = static_cast<float>(std::fmod(w, 60.0));
  if (withDayName) {
    return Format(" %s %02d:%02d:%05.2f", DayName(day).data(), hours, minutes,
                  static_cast<double>(seconds));
  }
  return Format(" %d %02d:%02d:%02.0f", day, hours, minutes, static_cast<double>(seconds));
}

std::string GpsDateText(double gpsTime) {
  const auto date = GpsToCalendar(gpsTime);
  if (!date) return "<Bad date>";
  return Format(" %s %d, %d", MonthName(date->month).data(), date->day, date->year);
}

std::optional<platform::CalendarTime> PcClockTime(double gpsTime, float utcOffset) {
  const double u = gpsTime - static_cast<double>(utcOffset);
  const auto date = GpsToCalendar(u);
  if (!date) return std::nullopt;
  platform::CalendarTime time;
  time.year = date->year;
  time.month = date->month;
  time.day = date->day;
  time.hour = static_cast<int>(std::trunc(std::fmod(u, kSecondsPerDay) / 3600.0));
  time.minute = static_cast<int>(std::trunc(std::fmod(u, 3600.0) / 60.0));
  time.second = static_cast<int>(std::trunc(std::fmod(u, 60.0)));
  time.millisecond = 0;
  return time;
}

void showTimeOfWeek(Display& display, Form form, ControlName control, float timeOfWeek,
                    bool withDayName) {
  display.setText(form, control, TimeOfWeekText(timeOfWeek, withDayName));
}

void showGpsDate(Display& display, Form form, ControlName control, double gpsTime) {
  display.setText(form, control, GpsDateText(gpsTime));
}

}  // namespace navbin::reports

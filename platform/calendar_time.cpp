#include "platform/system_clock.h"

namespace navbin::platform {
namespace {

bool IsLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

// The OS would silently normalise 31 February into March: refuse it instead.
bool IsValidCalendarTime(const CalendarTime& t) {
  if (t.year < 1970 || t.year > 9999 || t.month < 1 || t.month > 12) return false;
  if (t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return false;
  if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59) return false;
  return t.second >= 0 && t.second <= 59 && t.millisecond >= 0 && t.millisecond <= 999;
}

}  // namespace navbin::platform

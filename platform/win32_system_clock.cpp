#include <windows.h>

#include "platform/system_clock.h"

namespace navbin::platform {

CalendarTime RealSystemClock::nowUtc() const {
  SYSTEMTIME now{};
  ::GetSystemTime(&now);
  CalendarTime time;
  time.year = now.wYear;
  time.month = now.wMonth;
  time.day = now.wDay;
  time.hour = now.wHour;
  time.minute = now.wMinute;
  time.second = now.wSecond;
  time.millisecond = now.wMilliseconds;
  return time;
}

// Fails without the right to change the system time; the day of the week is
// left for Windows to work out.
bool RealSystemClock::setUtc(const CalendarTime& time) {
  if (!IsValidCalendarTime(time)) return false;
  SYSTEMTIME value{};
  value.wYear = static_cast<WORD>(time.year);
  value.wMonth = static_cast<WORD>(time.month);
  value.wDay = static_cast<WORD>(time.day);
  value.wHour = static_cast<WORD>(time.hour);
  value.wMinute = static_cast<WORD>(time.minute);
  value.wSecond = static_cast<WORD>(time.second);
  value.wMilliseconds = static_cast<WORD>(time.millisecond);
  return ::SetSystemTime(&value) != 0;
}

}  // namespace navbin::platform

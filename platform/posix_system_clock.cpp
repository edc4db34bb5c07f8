#include "platform/system_clock.h"

#include <chrono>
#include <ctime>

namespace navbin::platform {

CalendarTime RealSystemClock::nowUtc() const {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto seconds = time_point_cast<std::chrono::seconds>(now);
  const std::time_t whole = system_clock::to_time_t(seconds);
  std::tm parts{};
  gmtime_r(&whole, &parts);
  CalendarTime time;
  time.year = parts.tm_year + 1900;
  time.month = parts.tm_mon + 1;
  time.day = parts.tm_mday;
  time.hour = parts.tm_hour;
  time.minute = parts.tm_min;
  time.second = parts.tm_sec;
  time.millisecond = static_cast<int>(duration_cast<milliseconds>(now - seconds).count());
  return time;
}

bool RealSystemClock::setUtc(const CalendarTime& time) {
  if (!IsValidCalendarTime(time)) return false;
  std::tm parts{};
  parts.tm_year = time.year - 1900;
  parts.tm_mon = time.month - 1;
  parts.tm_mday = time.day;
  parts.tm_hour = time.hour;
  parts.tm_min = time.minute;
  parts.tm_sec = time.second;
  const std::time_t whole = timegm(&parts);
  if (whole == static_cast<std::time_t>(-1)) return false;
  timespec value{};
  value.tv_sec = whole;
  value.tv_nsec = static_cast<long>(time.millisecond) * 1000000L;
  return clock_settime(CLOCK_REALTIME, &value) == 0;
}

}  // namespace navbin::platform

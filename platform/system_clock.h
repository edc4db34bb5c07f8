#pragma once
// Reading and setting the PC's UTC clock.

#include <cstdint>

namespace navbin::platform {

struct CalendarTime {
  int year = 1980;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class SystemClock {
 public:
  virtual ~SystemClock() = default;
  virtual CalendarTime nowUtc() const = 0;
  // Sets the UTC clock; false when the OS refuses (no right to set the clock).
  virtual bool setUtc(const CalendarTime& time) = 0;
};

// A date and time the calendar has (no 31 February), from 1970 to 9999.
bool IsValidCalendarTime(const CalendarTime& time);

// The real clock: std::chrono to read, clock_settime(CLOCK_REALTIME) to set;
// on Windows GetSystemTime and SetSystemTime.
class RealSystemClock final : public SystemClock {
 public:
  CalendarTime nowUtc() const override;
  bool setUtc(const CalendarTime& time) override;
};

}  // namespace navbin::platform

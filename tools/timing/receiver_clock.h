#pragma once
// The receiver's time of each second, from its timing reports, as samples
// for a time daemon: 0x8F-AB (with 0x8F-AC for the decoding status, the
// pending leap second and the PPS quantization error) from a timing
// receiver, 0x41 from a navigation receiver. A week number that rolled over
// (1024-week cycles) is resolved against the program's build date.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/system_clock.h"
#include "protocol/wire/report_supplemental_timing.h"

namespace navbin::tools::timing {

using SysTime = std::chrono::system_clock::time_point;

enum class Leap { None, Insert };

struct TimeSample {
  SysTime pc;        // the PC's clock at the instant measured
  SysTime receiver;  // UTC at that instant, as the receiver tells it
  Leap leap = Leap::None;
  // The PC clock's error, receiver minus PC, in seconds.
  double offset() const { return std::chrono::duration<double>(receiver - pc).count(); }
};

inline constexpr int kWeeksPerCycle = 1024;
inline constexpr std::uint16_t kLeapSecondPendingBit = 1u << 7;

// The first week at or after `notBefore` that equals `reported` modulo 1024.
int ResolveWeek(int reported, int notBefore);
// The GPS week a UTC date falls in.
int GpsWeekOf(const platform::CalendarTime& utc);
// The UTC instant of a GPS week and time of week, `utcOffset` s behind GPS time.
SysTime UtcOfGpsTime(int week, double timeOfWeek, double utcOffset);
// June 30 and December 31, UTC: the days that can end with a leap second.
bool LeapSecondDay(SysTime utc);

class ReceiverClock {
 public:
  // `reportDelay`: how long after the second it names a report begins.
  ReceiverClock(int buildWeek, std::chrono::nanoseconds reportDelay);

  // One packet (id first) that began to arrive at `pcStart`. A sample for
  // the second it names, when it names one and the time is valid.
  std::optional<TimeSample> take(std::span<const std::uint8_t> packet, SysTime pcStart);

  // The week of the last report was resolved past a rollover.
  bool rolloverResolved() const { return rolloverResolved_; }
  bool leapPending() const;
  // The last 0x8F-AC's PPS quantization error, ns.
  std::optional<float> quantizationError() const;

 private:
  std::optional<TimeSample> sample(int week, double timeOfWeek, double utcOffset, SysTime pc);

  int buildWeek_;
  std::chrono::nanoseconds reportDelay_;
  std::optional<reports::SupplementalTimingReport> supplemental_;
  bool rolloverResolved_ = false;
};

}  // namespace navbin::tools::timing

#include "tools/timing/receiver_clock.h"

#include <cmath>

#include "protocol/wire/report_gps_time.h"
#include "protocol/wire/report_primary_timing.h"

namespace navbin::tools::timing {

namespace {

using namespace std::chrono;

constexpr sys_days kGpsEpoch = year{1980} / January / 6;
constexpr std::uint8_t kStatusDoingFixes = 0x00;

}  // namespace

int ResolveWeek(int reported, int notBefore) {
  const int cycle = reported % kWeeksPerCycle;
  int week = notBefore - (notBefore % kWeeksPerCycle) + cycle;
  if (week < notBefore) week += kWeeksPerCycle;
  return week;
}

int GpsWeekOf(const platform::CalendarTime& utc) {
  const sys_days day = year{utc.year} / utc.month / utc.day;
  return static_cast<int>((day - kGpsEpoch).count() / 7);
}

SysTime UtcOfGpsTime(int week, double timeOfWeek, double utcOffset) {
  const auto seconds = duration<double>(week * 604800.0 + timeOfWeek - utcOffset);
  return SysTime(kGpsEpoch) + duration_cast<system_clock::duration>(seconds);
}

bool LeapSecondDay(SysTime utc) {
  const year_month_day date{floor<days>(utc)};
  return (date.month() == June && date.day() == day{30}) ||
         (date.month() == December && date.day() == day{31});
}

ReceiverClock::ReceiverClock(int buildWeek, nanoseconds reportDelay)
    : buildWeek_(buildWeek), reportDelay_(reportDelay) {}

bool ReceiverClock::leapPending() const {
  return supplemental_ && (supplemental_->minorAlarms & kLeapSecondPendingBit) != 0;
}

std::optional<float> ReceiverClock::quantizationError() const {
  if (!supplemental_) return std::nullopt;
  return supplemental_->quantizationError;
}

std::optional<TimeSample> ReceiverClock::take(std::span<const std::uint8_t> packet,
                                              SysTime pcStart) {
  if (packet.size() < 2) return std::nullopt;
  const auto payload = packet.subspan(1);
  if (packet[0] == 0x8F && packet[1] == 0xAC) {
    supplemental_ = reports::ParseSupplementalTiming(payload);
  } else if (packet[0] == 0x8F && packet[1] == 0xAB) {
    const auto timing = reports::ParsePrimaryTiming(payload);
    // A timing receiver's time counts once it reports doing fixes.
    if (!timing || !supplemental_ || supplemental_->decodingStatus != kStatusDoingFixes) {
      return std::nullopt;
    }
    return sample(timing->week, timing->timeOfWeek, timing->utcOffset, pcStart);
  } else if (packet[0] == 0x41) {
    const auto time = reports::ParseGpsTime(payload);
    if (!time || !(time->timeOfWeek >= 0) || time->timeOfWeek >= 604800) return std::nullopt;
    return sample(time->week, time->timeOfWeek, time->utcOffset, pcStart);
  }
  return std::nullopt;
}

std::optional<TimeSample> ReceiverClock::sample(int week, double timeOfWeek, double utcOffset,
                                                SysTime pc) {
  const int resolved = ResolveWeek(week, buildWeek_);
  rolloverResolved_ = resolved != week;
  TimeSample s;
  s.pc = pc;
  const SysTime second = UtcOfGpsTime(resolved, timeOfWeek, utcOffset);
  s.receiver = second + duration_cast<system_clock::duration>(reportDelay_);
  if (leapPending() && LeapSecondDay(second)) s.leap = Leap::Insert;
  return s;
}

}  // namespace navbin::tools::timing

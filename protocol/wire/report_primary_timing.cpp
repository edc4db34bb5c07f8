// Report 0x8F-AB, primary timing (display port only): the timing window's

#include "protocol/wire/report_primary_timing.h"

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"

namespace navbin::reports {

std::optional<PrimaryTimingReport> ParsePrimaryTiming(std::span<const std::uint8_t> payload) {
  if (payload.size() != kPrimaryTimingLength) return std::nullopt;
  const std::uint8_t* p = payload.data();
  PrimaryTimingReport r;
  r.timeOfWeek = link::GetS32(p + 1);
  r.week = link::GetU16(p + 5);
  r.utcOffset = link::GetS16(p + 7);
  r.timingFlags = p[9];
  r.seconds = p[10];
  r.minutes = p[11];
  r.hours = p[12];
  r.day = p[13];
  r.month = p[14];
  r.year = link::GetU16(p + 15);
  return r;
}

void Describe(const PrimaryTimingReport& r, FieldSink& out) {
  out.field("timeOfWeek", r.timeOfWeek, "s");
  out.field("week", r.week);
  out.field("utcOffset", r.utcOffset, "s");
  out.field("timingFlags", r.timingFlags);
  out.field("timeType", r.utc() ? "UTC" : "GPS");
  out.field("hours", r.hours);
  out.field("minutes", r.minutes);
  out.field("seconds", r.seconds);
  out.field("day", r.day);
  out.field("month", r.month);
  out.field("year", r.year);
}

}  // namespace navbin::reports

// Report 0x41, GPS time (display port only).

#include "protocol/wire/report_gps_time.h"

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"

namespace navbin::reports {

std::optional<GpsTimeReport> ParseGpsTime(std::span<const std::uint8_t> payload) {
  if (payload.size() != 10) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return GpsTimeReport{link::GetSingle(p), link::GetU16(p + 4), link::GetSingle(p + 6)};
}

void Describe(const GpsTimeReport& r, FieldSink& out) {
  out.field("timeOfWeek", r.timeOfWeek, "s");
  out.field("week", r.week);
  out.field("utcOffset", r.utcOffset, "s");
}

}  // namespace navbin::reports

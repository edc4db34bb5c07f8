// Report 0x5C, satellite tracking status of one channel, and the ageing of

#include "protocol/wire/report_tracking.h"

#include <cmath>

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"
#include "protocol/wire/units.h"

namespace navbin::reports {

std::optional<TrackingStatusReport> ParseTrackingStatus(std::span<const std::uint8_t> payload) {
  if (payload.size() != 24) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return TrackingStatusReport{p[0],
                              static_cast<std::uint8_t>(p[1] >> 3),
                              p[2],
                              p[3],
                              link::GetSingle(p + 4),
                              link::GetSingle(p + 8),
                              link::GetSingle(p + 12),
                              link::GetSingle(p + 16)};
}

void Describe(const TrackingStatusReport& r, FieldSink& out) {
  out.field("sv", r.sv);
  out.field("channel", r.channel);
  out.field("acquisition", r.acquisition);
  out.field("ephemeris", r.ephemeris);
  out.field("level", r.level, "AMU");
  out.field("timeOfMeasurement", r.timeOfMeasurement, "s");
  out.derived("elevation", r.elevation, r.elevation * kDegreesPerRadian, "deg");
  out.derived("azimuth", r.azimuth, r.azimuth * kDegreesPerRadian, "deg");
}

}  // namespace navbin::reports

// Reports 0x42 and 0x83, XYZ ECEF position in single and double precision.

#include "protocol/wire/report_position_xyz.h"

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"
#include "protocol/wire/units.h"

namespace navbin::reports {

std::optional<XyzPositionReport> ParseXyzPosition(std::span<const std::uint8_t> payload) {
  if (payload.size() != 16) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return XyzPositionReport{link::GetSingle(p), link::GetSingle(p + 4), link::GetSingle(p + 8),
                           link::GetSingle(p + 12)};
}

std::optional<DoubleXyzPositionReport> ParseDoubleXyzPosition(
    std::span<const std::uint8_t> payload) {
  if (payload.size() != 36) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return DoubleXyzPositionReport{link::GetDouble(p), link::GetDouble(p + 8),
                                 link::GetDouble(p + 16), link::GetDouble(p + 24),
                                 link::GetSingle(p + 32)};
}

void Describe(const XyzPositionReport& r, FieldSink& out) {
  out.field("x", r.x, "m");
  out.field("y", r.y, "m");
  out.field("z", r.z, "m");
  out.field("timeOfFix", r.timeOfFix, "s");
}

void Describe(const DoubleXyzPositionReport& r, FieldSink& out) {
  out.field("x", r.x, "m");
  out.field("y", r.y, "m");
  out.field("z", r.z, "m");
  out.field("clockBias", MetresToNanoseconds(r.clockBias), "ns");
  out.field("timeOfFix", r.timeOfFix, "s");
}

}  // namespace navbin::reports

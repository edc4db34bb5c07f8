// Reports 0x4A and 0x84, LLA position in single and double precision.

#include "protocol/wire/report_position_lla.h"

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"
#include "protocol/wire/units.h"

namespace navbin::reports {

std::optional<LlaPositionReport> ParseLlaPosition(std::span<const std::uint8_t> payload) {
  if (payload.size() != 20) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return LlaPositionReport{link::GetSingle(p), link::GetSingle(p + 4), link::GetSingle(p + 8),
                           link::GetSingle(p + 12), link::GetSingle(p + 16)};
}

std::optional<DoubleLlaPositionReport> ParseDoubleLlaPosition(
    std::span<const std::uint8_t> payload) {
  if (payload.size() != 36) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return DoubleLlaPositionReport{link::GetDouble(p), link::GetDouble(p + 8),
                                 link::GetDouble(p + 16), link::GetDouble(p + 24),
                                 link::GetSingle(p + 32)};
}

namespace {

// Both precisions as the display and the dump use them: degrees and ns.
template <typename Report>
void DescribeLla(const Report& r, FieldSink& out) {
  out.derived("latitude", r.latitude, r.latitude * kDegreesPerRadian, "deg");
  out.derived("longitude", r.longitude, r.longitude * kDegreesPerRadian, "deg");
  out.field("altitude", r.altitude, "m");
  out.derived("clockBias", r.clockBias, MetresToNanoseconds(r.clockBias), "ns");
  out.field("timeOfFix", r.timeOfFix, "s");
}

}  // namespace

void Describe(const LlaPositionReport& report, FieldSink& out) {
  DescribeLla(report, out);
}

void Describe(const DoubleLlaPositionReport& report, FieldSink& out) {
  DescribeLla(report, out);
}

}  // namespace navbin::reports

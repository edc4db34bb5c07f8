// Reports 0x43 (XYZ ECEF velocity) and 0x56 (ENU velocity).

#include "protocol/wire/report_velocity.h"

#include <array>
#include <cmath>

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"
#include "protocol/wire/units.h"

namespace navbin::reports {

namespace {

// Both reports: three axes, bias rate and time of fix, all single precision.
std::optional<std::array<float, 5>> ReadVelocity(std::span<const std::uint8_t> payload) {
  if (payload.size() != 20) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return std::array<float, 5>{link::GetSingle(p), link::GetSingle(p + 4), link::GetSingle(p + 8),
                              link::GetSingle(p + 12), link::GetSingle(p + 16)};
}

}  // namespace

std::optional<XyzVelocityReport> ParseXyzVelocity(std::span<const std::uint8_t> payload) {
  const auto v = ReadVelocity(payload);
  if (!v) return std::nullopt;
  return XyzVelocityReport{(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]};
}

std::optional<EnuVelocityReport> ParseEnuVelocity(std::span<const std::uint8_t> payload) {
  const auto v = ReadVelocity(payload);
  if (!v) return std::nullopt;
  return EnuVelocityReport{(*v)[0], (*v)[1], (*v)[2], (*v)[3], (*v)[4]};
}

void Describe(const XyzVelocityReport& r, FieldSink& out) {
  out.field("velX", r.velX, "m/s");
  out.field("velY", r.velY, "m/s");
  out.field("velZ", r.velZ, "m/s");
  out.derived("biasRate", r.biasRate, MetresToNanoseconds(r.biasRate), "ns/s");
  out.field("timeOfFix", r.timeOfFix, "s");
}

void Describe(const EnuVelocityReport& r, FieldSink& out) {
  out.field("velEast", r.velEast, "m/s");
  out.field("velNorth", r.velNorth, "m/s");
  out.field("velUp", r.velUp, "m/s");
  out.derived("biasRate", r.biasRate, MetresToNanoseconds(r.biasRate), "ns/s");
  out.field("timeOfFix", r.timeOfFix, "s");
}

}  // namespace navbin::reports

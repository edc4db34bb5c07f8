#include "protocol/reports/report_fields.h"

#include "link/field_codec.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/receiver_state.h"
#include "protocol/reports/status_texts.h"

namespace navbin::reports {
namespace {

using Fields = std::vector<ReportField>;

class FieldReader {
 public:
  explicit FieldReader(std::span<const std::uint8_t> payload) : p_(payload.data()) {}
  double single(std::size_t at) const { return link::GetSingle(p_ + at); }
  double dbl(std::size_t at) const { return link::GetDouble(p_ + at); }
  std::int64_t u8(std::size_t at) const { return p_[at]; }
  std::int64_t u16(std::size_t at) const { return link::GetU16(p_ + at); }

 private:
  const std::uint8_t* p_;
};

Fields GpsTime(const FieldReader& r) {
  return {{"timeOfWeek", r.single(0)}, {"week", r.u16(4)}, {"utcOffset", r.single(6)}};
}

Fields XyzPosition(const FieldReader& r) {
  return {{"x", r.single(0)}, {"y", r.single(4)}, {"z", r.single(8)}, {"timeOfFix", r.single(12)}};
}

Fields Velocity(const FieldReader& r, const char* a, const char* b, const char* c) {
  return {{a, r.single(0)},
          {b, r.single(4)},
          {c, r.single(8)},
          {"biasRate", MetresToNanoseconds(r.single(12))},
          {"timeOfFix", r.single(16)}};
}

Fields LlaPosition(const FieldReader& r) {
  return {{"latitude", r.single(0) * kDegreesPerRadian},
          {"longitude", r.single(4) * kDegreesPerRadian},
          {"altitude", r.single(8)},
          {"clockBias", MetresToNanoseconds(r.single(12))},
          {"timeOfFix", r.single(16)}};
}

Fields DoubleXyzPosition(const FieldReader& r) {
  return {{"x", r.dbl(0)},
          {"y", r.dbl(8)},
          {"z", r.dbl(16)},
          {"clockBias", MetresToNanoseconds(r.dbl(24))},
          {"timeOfFix", r.single(32)}};
}

Fields DoubleLlaPosition(const FieldReader& r) {
  return {{"latitude", r.dbl(0) * kDegreesPerRadian},
          {"longitude", r.dbl(8) * kDegreesPerRadian},
          {"altitude", r.dbl(16)},
          {"clockBias", MetresToNanoseconds(r.dbl(24))},
          {"timeOfFix", r.single(32)}};
}

Fields Version(const FieldReader& r) {
  return {{"major", r.u8(0)},       {"minor", r.u8(1)},
          {"month", r.u8(2)},       {"day", r.u8(3)},
          {"year", r.u8(4) + 2000}, {"signalMajor", r.u8(5)},
          {"signalMinor", r.u8(6)}, {"signalMonth", r.u8(7)},
          {"signalDay", r.u8(8)},   {"signalYear", r.u8(9) + 2000}};
}

Fields Health(const FieldReader& r) {
  return {{"statusCode", r.u8(0)},
          {"status", StatusText(static_cast<int>(r.u8(0)))},
          {"errorBits", r.u8(1)}};
}

Fields TrackingStatus(const FieldReader& r) {
  return {{"sv", r.u8(0)},
          {"channel", r.u8(1) >> 3},
          {"acquisition", r.u8(2)},
          {"ephemeris", r.u8(3)},
          {"level", r.single(4)},
          {"timeOfMeasurement", r.single(8)},
          {"elevation", r.single(12) * kDegreesPerRadian},
          {"azimuth", r.single(16) * kDegreesPerRadian}};
}

// Every SV byte of the report, signed, separated by blanks.
Fields FixMode(std::span<const std::uint8_t> payload) {
  const FieldReader r(payload);
  std::string svs;
  for (std::size_t i = kFixModeMinLength; i < payload.size(); ++i) {
    if (!svs.empty()) svs += ' ';
    svs += std::to_string(static_cast<std::int8_t>(payload[i]));
  }
  return {{"fixMode", r.u8(0)},      {"dimension", (r.u8(0) & 7) - 1},
          {"svCount", r.u8(0) >> 4}, {"pdop", r.single(1)},
          {"hdop", r.single(5)},     {"vdop", r.single(9)},
          {"tdop", r.single(13)},    {"svs", svs}};
}

Fields DgpsMode(const FieldReader& r) {
  return {{"dgpsMode", r.u8(0)}, {"dgps", DgpsModeText(static_cast<int>(r.u8(0)))}};
}

}  // namespace

std::vector<ReportField> DescribeReport(int id, std::span<const std::uint8_t> payload) {
  const std::size_t n = payload.size();
  const FieldReader r(payload);
  switch (id) {
    case 0x41:
      return n == kGpsTimeLength ? GpsTime(r) : Fields{};
    case 0x42:
      return n == kXyzPositionLength ? XyzPosition(r) : Fields{};
    case 0x43:
      return n == kVelocityLength ? Velocity(r, "velX", "velY", "velZ") : Fields{};
    case 0x45:
      return n == kVersionLength ? Version(r) : Fields{};
    case 0x46:
      return n == kHealthLength ? Health(r) : Fields{};
    case 0x4A:
      return n == kLlaPositionLength ? LlaPosition(r) : Fields{};
    case 0x4B:
      return n == kMachineStatusLength ? Fields{{"machineId", r.u8(0)}, {"statusBits", r.u8(1)}}
                                       : Fields{};
    case 0x56:
      return n == kVelocityLength ? Velocity(r, "velEast", "velNorth", "velUp") : Fields{};
    case 0x5C:
      return n == kTrackingStatusLength ? TrackingStatus(r) : Fields{};
    case 0x6D:
      return n >= kFixModeMinLength ? FixMode(payload) : Fields{};
    case 0x82:
      return n == kDgpsModeLength ? DgpsMode(r) : Fields{};
    case 0x83:
      return n == kDoublePositionLength ? DoubleXyzPosition(r) : Fields{};
    case 0x84:
      return n == kDoublePositionLength ? DoubleLlaPosition(r) : Fields{};
    default:
      return {};
  }
}

}  // namespace navbin::reports

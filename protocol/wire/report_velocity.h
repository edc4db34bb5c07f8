#pragma once
// Reports 0x43 (XYZ ECEF velocity) and 0x56 (ENU velocity).

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct XyzVelocityReport {
  float velX, velY, velZ;  // m/s, ECEF
  float biasRate;          // m/s
  float timeOfFix;         // s of GPS week
};

struct EnuVelocityReport {
  float velEast, velNorth, velUp;  // m/s
  float biasRate;                  // m/s
  float timeOfFix;                 // s of GPS week
};

std::optional<XyzVelocityReport> ParseXyzVelocity(std::span<const std::uint8_t> payload);
std::optional<EnuVelocityReport> ParseEnuVelocity(std::span<const std::uint8_t> payload);
void Describe(const XyzVelocityReport& report, FieldSink& out);
void Describe(const EnuVelocityReport& report, FieldSink& out);

}  // namespace navbin::reports

#pragma once
// Reports 0x42 and 0x83, XYZ ECEF position in single and double precision.

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct XyzPositionReport {
  float x, y, z;    // m, WGS-84 ECEF
  float timeOfFix;  // s of GPS week
};

struct DoubleXyzPositionReport {
  double x, y, z;    // m, WGS-84 ECEF
  double clockBias;  // m
  float timeOfFix;   // s of GPS week
};

std::optional<XyzPositionReport> ParseXyzPosition(std::span<const std::uint8_t> payload);
std::optional<DoubleXyzPositionReport> ParseDoubleXyzPosition(
    std::span<const std::uint8_t> payload);
void Describe(const XyzPositionReport& report, FieldSink& out);
void Describe(const DoubleXyzPositionReport& report, FieldSink& out);

}  // namespace navbin::reports

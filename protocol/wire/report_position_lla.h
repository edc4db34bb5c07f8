#pragma once
// Reports 0x4A and 0x84, LLA position in single and double precision.

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct LlaPositionReport {
  float latitude;   // rad, north positive
  float longitude;  // rad, east positive
  float altitude;   // m
  float clockBias;  // m
  float timeOfFix;  // s of GPS week
};

struct DoubleLlaPositionReport {
  double latitude;   // rad, north positive
  double longitude;  // rad, east positive
  double altitude;   // m
  double clockBias;  // m
  float timeOfFix;   // s of GPS week
};

std::optional<LlaPositionReport> ParseLlaPosition(std::span<const std::uint8_t> payload);
std::optional<DoubleLlaPositionReport> ParseDoubleLlaPosition(
    std::span<const std::uint8_t> payload);
void Describe(const LlaPositionReport& report, FieldSink& out);
void Describe(const DoubleLlaPositionReport& report, FieldSink& out);

}  // namespace navbin::reports

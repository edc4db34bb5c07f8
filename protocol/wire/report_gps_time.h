#pragma once
// Report 0x41, GPS time.

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct GpsTimeReport {
  float timeOfWeek;    // s of GPS week
  std::uint16_t week;  // GPS week number
  float utcOffset;     // s, GPS time minus UTC
};

std::optional<GpsTimeReport> ParseGpsTime(std::span<const std::uint8_t> payload);
void Describe(const GpsTimeReport& report, FieldSink& out);

}  // namespace navbin::reports

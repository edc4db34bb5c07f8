#pragma once
// Report 0x5C, satellite tracking status of one channel.

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct TrackingStatusReport {
  std::uint8_t sv;
  std::uint8_t channel;  // 0-based; may be past the receiver's channels
  std::uint8_t acquisition;
  std::uint8_t ephemeris;
  float level;              // AMU
  float timeOfMeasurement;  // s of GPS week
  float elevation;          // rad
  float azimuth;            // rad
};

std::optional<TrackingStatusReport> ParseTrackingStatus(std::span<const std::uint8_t> payload);
void Describe(const TrackingStatusReport& report, FieldSink& out);

}  // namespace navbin::reports

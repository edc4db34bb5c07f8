#pragma once
// Report 0xBB, receiver (GPS) configuration, sub-code first.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kGpsConfigLength = 40;

struct GpsConfigReport {
  std::uint8_t receiverMode = 0;  // list indices
  std::uint8_t dgpsMode = 0;
  std::uint8_t dynamicsCode = 0;
  float elevationMask = 0;  // radians
  float signalMask = 0;     // AMU
  float pdopMask = 0;
  float pdopSwitch = 0;
  std::uint8_t dgpsAgeLimit = 0;  // seconds
};

// Empty unless `payload` has exactly kGpsConfigLength bytes.
std::optional<GpsConfigReport> ParseGpsConfig(std::span<const std::uint8_t> payload);
void Describe(const GpsConfigReport& report, FieldSink& out);

}  // namespace navbin::reports

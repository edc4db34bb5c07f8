#pragma once
// Report 0x8F-4A, PPS characteristics (payload from the sub-id, 16 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kPpsCharacteristicsLength = 16;

struct PpsCharacteristicsReport {
  std::uint8_t driverSwitch = 0;  // list indices
  std::uint8_t timeBase = 0;
  std::uint8_t polarity = 0;
  double offset = 0;        // seconds
  float biasThreshold = 0;  // metres
};

// Empty unless `payload` has exactly kPpsCharacteristicsLength bytes.
std::optional<PpsCharacteristicsReport> ParsePpsCharacteristics(
    std::span<const std::uint8_t> payload);
void Describe(const PpsCharacteristicsReport& report, FieldSink& out);

}  // namespace navbin::reports

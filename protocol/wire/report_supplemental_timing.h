#pragma once
// Report 0x8F-AC, supplemental timing (payload from the sub-id, 68 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kSupplementalTimingLength = 68;

struct SupplementalTimingReport {
  std::uint8_t receiverMode = 0;    // 7: overdetermined clock
  std::uint8_t surveyProgress = 0;  // percent
  std::uint16_t minorAlarms = 0;    // bits 3, 5 to 11
  std::uint8_t decodingStatus = 0;  // the status codes of report 0x46
  float clockBias = 0;              // ns
  float biasRate = 0;               // ppb
  double latitude = 0;              // rad
  double longitude = 0;             // rad
  double altitude = 0;              // m
  float quantizationError = 0;      // ns
  std::uint8_t ppsGenerated = 0;    // non-zero: yes
};

// Empty unless `payload` has exactly kSupplementalTimingLength bytes.
std::optional<SupplementalTimingReport> ParseSupplementalTiming(
    std::span<const std::uint8_t> payload);
void Describe(const SupplementalTimingReport& report, FieldSink& out);

}  // namespace navbin::reports

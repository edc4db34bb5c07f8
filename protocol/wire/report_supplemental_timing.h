#pragma once
// Report 0x8F-AC, supplemental timing (payload from the sub-id, 68 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

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

// The minor alarm bits (0x8F-AC offset 10), each with its light's caption
// and hint.
struct MinorAlarm {
  int bit;
  std::string_view caption;
  std::string_view hint;
};
inline constexpr MinorAlarm kMinorAlarms[] = {
    {3, "Satellite Tracking", "When yellow, no satellites are usable"},
    {5, "Self-Survey Activity", "When Yellow, a self-survey is in progress"},
    {6, "Stored Position", "When Yellow, a stored position does not exist"},
    {7, "Leap Second Pending", "When yellow, a leap second event is pending"},
    {8, "Test Mode", "When yellow, the unit is in a test mode"},
    {9, "Position Questionable", "When yellow, the position accuracy is questionable"},
    {10, "EEPROM Invalid", "When yellow, invalid EEPROM segments detected"},
    {11, "Almanac", "When yellow, almanac is not complete or current"},
};

// Empty unless `payload` has exactly kSupplementalTimingLength bytes.
std::optional<SupplementalTimingReport> ParseSupplementalTiming(
    std::span<const std::uint8_t> payload);
void Describe(const SupplementalTimingReport& report, FieldSink& out);

}  // namespace navbin::reports

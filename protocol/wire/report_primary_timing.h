#pragma once
// Report 0x8F-AB, primary timing (payload from the sub-id, 17 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kPrimaryTimingLength = 17;

struct PrimaryTimingReport {
  std::int32_t timeOfWeek = 0;  // s
  std::uint16_t week = 0;
  std::int16_t utcOffset = 0;    // s
  std::uint8_t timingFlags = 0;  // bit 0: the time fields are UTC, else GPS time
  std::uint8_t seconds = 0, minutes = 0, hours = 0;
  std::uint8_t day = 0;
  std::uint8_t month = 0;  // 1 to 12 from a sound receiver
  std::uint16_t year = 0;

  bool utc() const { return (timingFlags & 0x01) != 0; }
};

// Empty unless `payload` has exactly kPrimaryTimingLength bytes.
std::optional<PrimaryTimingReport> ParsePrimaryTiming(std::span<const std::uint8_t> payload);
void Describe(const PrimaryTimingReport& report, FieldSink& out);

}  // namespace navbin::reports

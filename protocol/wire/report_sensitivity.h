#pragma once
// Report 0x89, sensitivity mode: now and after the next reset (non-zero = on).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kSensitivityLength = 2;

struct SensitivityReport {
  std::uint8_t current = 0;
  std::uint8_t afterReset = 0;
};

// Empty unless `payload` has exactly kSensitivityLength bytes.
std::optional<SensitivityReport> ParseSensitivity(std::span<const std::uint8_t> payload);
void Describe(const SensitivityReport& report, FieldSink& out);

}  // namespace navbin::reports

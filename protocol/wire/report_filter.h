#pragma once
// Report 0x70, position filter settings: non-zero bytes are filters switched on.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kFilterLength = 4;

struct FilterReport {
  std::uint8_t positionVelocity = 0;
  std::uint8_t staticFilter = 0;
  std::uint8_t altitude = 0;
};

// Empty unless `payload` has exactly kFilterLength bytes.
std::optional<FilterReport> ParseFilter(std::span<const std::uint8_t> payload);
void Describe(const FilterReport& report, FieldSink& out);

}  // namespace navbin::reports

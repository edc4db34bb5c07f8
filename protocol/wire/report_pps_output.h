#pragma once
// Report 0x8F-4E, PPS output qualification (payload from the sub-id, 2 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kPpsOutputLength = 2;

struct PpsOutputReport {
  std::uint8_t code = 0;  // 2 always, 3 with one SV, 4 with three SVs
};

// Empty unless `payload` has exactly kPpsOutputLength bytes.
std::optional<PpsOutputReport> ParsePpsOutput(std::span<const std::uint8_t> payload);
void Describe(const PpsOutputReport& report, FieldSink& out);

}  // namespace navbin::reports

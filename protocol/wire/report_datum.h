#pragma once
// Report 0x8F-15, the datum in use (payload from the sub-id, 43 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kDatumLength = 43;

struct DatumReport {
  std::uint16_t index = 0;  // position in the datum list
};

// Empty unless `payload` has exactly kDatumLength bytes.
std::optional<DatumReport> ParseDatum(std::span<const std::uint8_t> payload);
void Describe(const DatumReport& report, FieldSink& out);

}  // namespace navbin::reports

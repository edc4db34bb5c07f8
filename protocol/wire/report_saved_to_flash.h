#pragma once
// Report 0x8F-26, settings saved to flash (payload from the sub-id, 5 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kSavedToFlashLength = 5;

struct SavedToFlashReport {
  bool saved = true;
};

// Empty unless `payload` has exactly kSavedToFlashLength bytes.
std::optional<SavedToFlashReport> ParseSavedToFlash(std::span<const std::uint8_t> payload);
void Describe(const SavedToFlashReport& report, FieldSink& out);

}  // namespace navbin::reports

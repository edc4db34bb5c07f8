#pragma once
// Report 0x8F-A5, packet broadcast masks (payload from the sub-id, 5 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kPacketMasksLength = 5;

struct PacketMasksReport {
  std::uint8_t mask0 = 0;
  std::uint8_t mask1 = 0;  // bits 5, 6, 7 shown
};

// Empty unless `payload` has exactly kPacketMasksLength bytes.
std::optional<PacketMasksReport> ParsePacketMasks(std::span<const std::uint8_t> payload);
void Describe(const PacketMasksReport& report, FieldSink& out);

}  // namespace navbin::reports

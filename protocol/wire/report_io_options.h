#pragma once
// Report 0x55, I/O options: the four option bytes (position, velocity, timing, auxiliary).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kIoOptionsLength = 4;

struct IoOptionsReport {
  std::uint8_t position = 0;   // bit 1 LLA, bit 2 MSL out, bit 3 MSL in, bit 4 double
  std::uint8_t velocity = 0;   // bit 1 ENU
  std::uint8_t timing = 0;     // bit 0 UTC, bit 5 PPS fix based, bit 6 PPS off
  std::uint8_t auxiliary = 0;  // not used
};

// Empty unless `payload` has exactly kIoOptionsLength bytes.
std::optional<IoOptionsReport> ParseIoOptions(std::span<const std::uint8_t> payload);
void Describe(const IoOptionsReport& report, FieldSink& out);

}  // namespace navbin::reports

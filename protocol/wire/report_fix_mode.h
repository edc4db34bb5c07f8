#pragma once
// Report 0x6D, fix mode, dilutions of precision and the SVs used in the fix.

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct FixModeReport {
  std::uint8_t fixMode;  // bits 0-2 dimension + 1, bits 4-7 SV count
  float pdop, hdop, vdop, tdop;
  // One signed SV number per byte, as many as the receiver sent (it may send
  // more than it has channels). Views the parsed payload.
  std::span<const std::uint8_t> fixSvs;

  int dimension() const { return (fixMode & 7) - 1; }
  int svCount() const { return fixMode >> 4; }
};

// Empty for payloads shorter than 17 bytes; any longer one is a fix.
std::optional<FixModeReport> ParseFixMode(std::span<const std::uint8_t> payload);
void Describe(const FixModeReport& report, FieldSink& out);

}  // namespace navbin::reports

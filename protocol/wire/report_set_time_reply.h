#pragma once
// Report 0x4E, the receiver's answer to Set GPS time: 'Y' (0x59) when it took the time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kSetTimeReplyLength = 1;

struct SetTimeReplyReport {
  std::uint8_t answer = 0;
  bool accepted() const { return answer == 'Y'; }
};

// Empty unless `payload` has exactly kSetTimeReplyLength bytes.
std::optional<SetTimeReplyReport> ParseSetTimeReply(std::span<const std::uint8_t> payload);
void Describe(const SetTimeReplyReport& report, FieldSink& out);

}  // namespace navbin::reports

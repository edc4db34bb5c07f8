#pragma once
// Report 0x8F-A9, self-survey parameters (payload from the sub-id, 11 bytes).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kSelfSurveyLength = 11;

struct SelfSurveyReport {
  std::uint8_t enable = 0;
  std::uint8_t savePosition = 0;
  std::int32_t length = 0;  // fixes
};

// Empty unless `payload` has exactly kSelfSurveyLength bytes.
std::optional<SelfSurveyReport> ParseSelfSurvey(std::span<const std::uint8_t> payload);
void Describe(const SelfSurveyReport& report, FieldSink& out);

}  // namespace navbin::reports

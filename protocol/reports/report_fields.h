#pragma once
// The decoded fields of a report as name/value pairs, for navbin-dump and
// other tools. Names follow ReceiverState (latitude, clockBias, timeOfFix ...).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace navbin::reports {

struct ReportField {
  std::string name;
  std::variant<double, std::int64_t, std::string> value;
};

// Fields of packet `id` with `payload` (sub-id first for 0x8F); empty for ids
// the system does not decode and for payloads of the wrong length.
std::vector<ReportField> DescribeReport(int id, std::span<const std::uint8_t> payload);

}  // namespace navbin::reports

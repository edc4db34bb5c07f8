#pragma once
// Reading a decimal number the way a "%d" conversion does: leading white space
// skipped, an optional sign, then digits; whatever follows is ignored.

#include <optional>
#include <string_view>

namespace navbin::shell {

// The number at the start of `text`, or nothing when no digit follows the
// optional sign. Values beyond the range of int are clamped to it.
std::optional<int> ScanDecimal(std::string_view text);

}  // namespace navbin::shell

#pragma once
// Reading a decimal number the way a "%d" conversion does: leading white space
// skipped, an optional sign, then digits; whatever follows is ignored.

#include <optional>
#include <string>
#include <string_view>

namespace navbin::shell {

// The number at the start of `text`, or nothing when no digit follows the
// optional sign. Values beyond the range of int are clamped to it.
std::optional<int> ScanDecimal(std::string_view text);

// An edit's whole text as a decimal number ("12", "-0.5", "1e3"), white space
// around it allowed; nothing for any other text, and for infinities, NaN and
// values beyond the range of double. Independent of the C locale.
std::optional<double> ParseDecimalNumber(std::string_view text);

// The leading number of `text` as "%f" reads it: white space skipped, then the
// longest decimal number; nothing when none starts there.
std::optional<double> ScanFloat(std::string_view text);

// The conversion messages of an edit that holds no number.
std::string NotAFloatingPointValue(
    std::string_view text);                            // "'%s' is not a valid floating point value"
std::string NotAnIntegerValue(std::string_view text);  // "'%s' is not a valid integer value"

// An edit's whole text as a decimal integer ("12", "-3"), white space around
// it allowed; nothing for any other text and beyond the range of int.
std::optional<int> ParseDecimalInteger(std::string_view text);

}  // namespace navbin::shell

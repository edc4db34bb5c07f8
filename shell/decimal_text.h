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

// The leading number of `text` as "%f" reads it: white space skipped, then
// every character that can continue a decimal number (a sign first, digits
// with one point, an exponent letter with a sign and digits), so "-1-2" holds
// two numbers and "1e" none. Nothing when those characters are no number;
// else the nearest float: infinity beyond the float range, zero below it, as
// strtof gives them. No "inf", "nan" or hexadecimal. `used`, when given,
// takes the count of characters read, white space included.
std::optional<float> ScanFloat(std::string_view text, std::size_t* used = nullptr);

// The conversion messages of an edit that holds no number.
std::string NotAFloatingPointValue(
    std::string_view text);                            // "'%s' is not a valid floating point value"
std::string NotAnIntegerValue(std::string_view text);  // "'%s' is not a valid integer value"

// An edit's whole text as a decimal integer ("12", "-3"), white space around
// it allowed; nothing for any other text and beyond the range of int.
std::optional<int> ParseDecimalInteger(std::string_view text);

}  // namespace navbin::shell

#include "shell/decimal_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>
#include <limits>

namespace navbin::shell {

namespace {
bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

std::optional<int> ScanDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<int>(value);
}

namespace {
// The number at the start of `text` (no leading white space); the count of
// characters it took, 0 when none.
std::size_t NumberPrefix(std::string_view text, double& value) {
  std::size_t sign = 0;
  if (!text.empty() && text[0] == '+') sign = 1;  // from_chars takes '-' only
  if (sign && text.size() > 1 && text[1] == '-') return 0;
  const char* begin = text.data() + sign;
  const char* end = text.data() + text.size();
  // Only digits, a point and an exponent: no "inf", "nan" or hexadecimal.
  if (begin == end || !(IsDigit(*begin) || *begin == '.' || *begin == '-')) return 0;
  if (*begin == '-' && (begin + 1 == end || !(IsDigit(begin[1]) || begin[1] == '.'))) return 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
  if (ec != std::errc() || !std::isfinite(value)) return 0;
  return static_cast<std::size_t>(ptr - text.data());
}

std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}
}  // namespace

std::optional<double> ParseDecimalNumber(std::string_view text) {
  text = TrimSpace(text);
  double value = 0;
  const std::size_t used = NumberPrefix(text, value);
  if (used == 0 || used != text.size()) return std::nullopt;
  return value;
}

namespace {
// The characters a "%f" conversion takes at the start of `text`.
struct FloatItem {
  std::size_t length = 0;
  bool number = false;  // digits before or after the point, and after an exponent letter
  bool negative = false;
  long long order = 0;  // decimal exponent of the first significant digit, plus one
};

// Adds the digits at `at` to `value`, clamped far beyond any float exponent.
std::size_t ReadExponent(std::string_view text, std::size_t at, long long& value) {
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    value = std::min(value * 10 + (text[at] - '0'), 1'000'000LL);
  }
  return at;
}

FloatItem ReadFloatItem(std::string_view text) {
  FloatItem item;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) item.negative = text[i++] == '-';
  bool significant = false, digits = false, point = false;
  for (; i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
    if (text[i] == '.') {
      point = true;
      continue;
    }
    digits = true;
    significant = significant || text[i] != '0';
    if (!point && significant) ++item.order;
    if (point && !significant) --item.order;
  }
  item.number = digits;
  if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t at = i + 1;
    const bool down = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    long long exponent = 0;
    i = ReadExponent(text, at, exponent);
    item.number = i > at;
    item.order += down ? -exponent : exponent;
  }
  item.length = i;
  return item;
}
}  // namespace

std::optional<float> ScanFloat(std::string_view text, std::size_t* used) {
  std::size_t space = 0;
  while (space < text.size() && IsSpace(text[space])) ++space;
  text.remove_prefix(space);
  const FloatItem item = ReadFloatItem(text);
  if (used) *used = space + item.length;
  if (!item.number) return std::nullopt;
  const std::size_t sign = text[0] == '+' ? 1 : 0;  // from_chars takes '-' only
  float value = 0;
  const auto [ptr, ec] = std::from_chars(text.data() + sign, text.data() + item.length, value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = item.order > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    if (item.negative) value = -value;
  } else if (ec != std::errc()) {
    return std::nullopt;
  }
  return value;
}

std::string NotAFloatingPointValue(std::string_view text) {
  return std::string("'").append(text).append("' is not a valid floating point value");
}

std::string NotAnIntegerValue(std::string_view text) {
  return std::string("'").append(text).append("' is not a valid integer value");
}

std::optional<int> ParseDecimalInteger(std::string_view text) {
  text = TrimSpace(text);
  const std::size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (text.size() == sign) return std::nullopt;
  for (char c : text.substr(sign)) {
    if (!IsDigit(c)) return std::nullopt;
  }
  if (text[0] == '+') text.remove_prefix(1);  // from_chars takes '-' only
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace navbin::shell

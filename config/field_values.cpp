#include "config/field_values.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace navbin::config {

namespace {

template <class T>
std::string Shortest(T v) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return {buffer, result.ptr};
}

}  // namespace

std::string ShortestText(double v) {
  return Shortest(v);
}
std::string ShortestText(float v) {
  return Shortest(v);
}

double DegreesOf(double radians) {
  return std::round(radians * 180.0 / std::numbers::pi * 1e6) / 1e6;
}

std::string QuotedText(std::span<const std::uint8_t> chars) {
  std::size_t length = chars.size();
  while (length > 0 && chars[length - 1] == 0) --length;
  std::string text = "\"";
  for (std::uint8_t c : chars.first(length)) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      text += static_cast<char>(c);
    } else {
      constexpr char kHex[] = "0123456789ABCDEF";
      text += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
    }
  }
  return text + "\"";
}

}  // namespace navbin::config

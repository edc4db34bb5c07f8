#include "tools/number_text.h"

#include <charconv>

namespace navbin::tools {

namespace {

constexpr std::string_view kBlank = " \t\r\f\v";
constexpr std::string_view kSeparators = " \t\r\f\v,";

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlank) - first + 1);
}

bool ParseNumber(std::string_view field, double& value) {
  if (field.size() > 1 && field[0] == '+' && field[1] != '-') field.remove_prefix(1);
  const char* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(field.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace

NumberText ReadNumberText(std::string_view text) {
  NumberText out;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
    line = Trimmed(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    const auto separator = line.find_last_of(kSeparators);
    const std::string_view field =
        separator == std::string_view::npos ? line : line.substr(separator + 1);
    double value = 0;
    if (!ParseNumber(field, value)) {
      out.error = "line " + std::to_string(lineNumber) + " is not a number";
      out.values.clear();
      return out;
    }
    out.values.push_back(value);
  }
  return out;
}

}  // namespace navbin::tools

// Reading a position file: the kind and three numbers the position download
// writes, read as "%d%f%f%f" would read them but independent of the locale.

#include "shell/position_file.h"

#include "shell/decimal_text.h"

namespace navbin::shell {

PositionFile ParsePositionFile(std::string_view text) {
  PositionFile file;
  const auto kind = ScanDecimal(text);
  if (!kind) return file;
  file.kind = *kind;
  // Past the kind: white space, sign and digits.
  std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  text.remove_prefix(at);
  for (float& value : file.values) {
    while (!text.empty() &&
           std::string_view(" \t\n\v\f\r").find(text.front()) != std::string_view::npos) {
      text.remove_prefix(1);
    }
    const auto number = ScanFloat(text);
    if (!number) break;
    value = static_cast<float>(*number);
    ++file.count;
    const std::size_t end = text.find_first_of(" \t\n\v\f\r");
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  }
  return file;
}

}  // namespace navbin::shell

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
  // Each number ends where its characters end, as "%f" reads it.
  for (float& value : file.values) {
    std::size_t used = 0;
    const std::optional<float> number = ScanFloat(text, &used);
    if (!number) break;
    value = *number;
    ++file.count;
    text.remove_prefix(used);
  }
  return file;
}

}  // namespace navbin::shell

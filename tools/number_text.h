#pragma once
// Numbers from text, one a line: the last field of a line whose fields are
// separated by white space or commas; '#' starts a comment; blank lines are
// skipped; "nan" marks a missing sample. Locale-independent.

#include <string>
#include <string_view>
#include <vector>

namespace navbin::tools {

struct NumberText {
  std::vector<double> values;
  std::string error;  // empty on success, else names the first bad line
};

NumberText ReadNumberText(std::string_view text);

}  // namespace navbin::tools

#pragma once
// printf-style formatting that writes decimals with a point whatever the
// process's C locale: a toolkit may take LC_NUMERIC from the environment
// ("12,5" under de_DE), yet texts and files must read the same everywhere.

#include <cstdarg>
#include <string>

namespace navbin::platform {

// Appends what vprintf makes of `format` and `args` in the "C" locale to
// `out`, whatever its length; nothing on a bad format.
void AppendPrintfV(std::string& out, const char* format, std::va_list args);

}  // namespace navbin::platform

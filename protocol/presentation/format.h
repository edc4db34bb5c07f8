#pragma once
// printf-style formatting into a std::string, so that every text the report
// layer shows is exactly what printf makes of its format in the "C" locale
// (decimals with a point, whatever the process's locale).

#include <string>

#if defined(__GNUC__) || defined(__clang__)
#define NAVBIN_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define NAVBIN_PRINTF_FORMAT(f, a)
#endif

// The degree sign in UTF-8, for texts like "%d" NAVBIN_DEGREE_SIGN.
#define NAVBIN_DEGREE_SIGN "\xC2\xB0"

namespace navbin::reports {

std::string Format(const char* format, ...) NAVBIN_PRINTF_FORMAT(1, 2);

}  // namespace navbin::reports

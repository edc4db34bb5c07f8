#pragma once
// printf-style formatting into a std::string, so that every text the report
// layer shows is exactly what printf makes of its format.

#include <string>

namespace navbin::reports {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The degree sign in UTF-8, for texts like "%d" DEGREE_SIGN.
#define NAVBIN_DEGREE_SIGN "\xC2\xB0"

}  // namespace navbin::reports

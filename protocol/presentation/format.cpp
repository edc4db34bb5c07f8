#include "protocol/presentation/format.h"

#include <cstdarg>

#include "platform/point_printf.h"

namespace navbin::reports {

std::string Format(const char* format, ...) {
  std::string text;
  va_list args;
  va_start(args, format);
  platform::AppendPrintfV(text, format, args);
  va_end(args);
  return text;
}

}  // namespace navbin::reports

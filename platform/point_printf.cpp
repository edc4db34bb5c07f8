#include "platform/point_printf.h"

#include <clocale>
#include <cstdio>

#if defined(__unix__) || defined(__APPLE__)
#include <locale.h>
#endif

namespace navbin::platform {
namespace {

#if defined(__unix__) || defined(__APPLE__)
// The "C" locale for this thread while it lives; the thread's own afterwards.
class CNumericScope {
 public:
  CNumericScope() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (c != static_cast<locale_t>(0)) previous_ = uselocale(c);
  }
  ~CNumericScope() {
    if (previous_ != static_cast<locale_t>(0)) uselocale(previous_);
  }
  CNumericScope(const CNumericScope&) = delete;
  CNumericScope& operator=(const CNumericScope&) = delete;

 private:
  locale_t previous_ = static_cast<locale_t>(0);
};
#else
struct CNumericScope {};
#endif

}  // namespace

void AppendPrintfV(std::string& out, const char* format, std::va_list args) {
  [[maybe_unused]] const CNumericScope c;
  char small[128];
  std::va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  if (n >= 0 && static_cast<std::size_t>(n) < sizeof small) {
    out.append(small, static_cast<std::size_t>(n));
  } else if (n >= 0) {
    // Very long numbers (a "%f" of 1e300) need more room than the stack buffer.
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data() + at, static_cast<std::size_t>(n) + 1, format, again);
    out.resize(at + static_cast<std::size_t>(n));
  }
  va_end(again);
}

}  // namespace navbin::platform

#pragma once
// A test's C library locale, as the toolkit takes it from the desktop
// (de_DE.UTF-8 writes "12,5"); the previous one comes back afterwards.

#include <clocale>
#include <string>

namespace navbin::support {

inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

class LocaleGuard {
 public:
  explicit LocaleGuard(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
    ok_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~LocaleGuard() { std::setlocale(LC_ALL, previous_.c_str()); }
  bool ok() const { return ok_; }  // false: the system lacks it, the test skips

 private:
  std::string previous_;
  bool ok_;
};

}  // namespace navbin::support

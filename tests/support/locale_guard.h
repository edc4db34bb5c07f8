#pragma once
// Runs a test under another C library locale, as the toolkit sets it from a
// desktop's environment ("de_DE.UTF-8" writes decimals with a comma), and puts
// the previous locale back afterwards. A test skips when the system lacks it:
//   const support::LocaleGuard locale("de_DE.UTF-8");
//   if (!locale.ok()) GTEST_SKIP() << locale.name() << " is not installed";

#include <clocale>
#include <string>
#include <utility>

namespace navbin::support {

class LocaleGuard {
 public:
  explicit LocaleGuard(std::string name) : name_(std::move(name)) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    previous_ = previous ? previous : "C";
    ok_ = std::setlocale(LC_ALL, name_.c_str()) != nullptr;
  }
  ~LocaleGuard() { std::setlocale(LC_ALL, previous_.c_str()); }
  LocaleGuard(const LocaleGuard&) = delete;
  LocaleGuard& operator=(const LocaleGuard&) = delete;

  bool ok() const { return ok_; }
  const std::string& name() const { return name_; }
  // The decimal point the C library writes now: "," under de_DE.UTF-8.
  static std::string DecimalPoint() { return std::localeconv()->decimal_point; }

 private:
  std::string name_;
  std::string previous_;
  bool ok_ = false;
};

// The locale of the tests that need decimals written with a comma.
inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

}  // namespace navbin::support

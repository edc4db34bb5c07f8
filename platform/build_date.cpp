#include "platform/build_date.h"

#include <string_view>
#include <tuple>

namespace navbin::platform {
namespace {

constexpr std::string_view kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";

// __DATE__ is "Mmm dd yyyy", the day padded with a blank.
constexpr CalendarTime ParseCompilerDate(std::string_view date) {
  CalendarTime time;
  time.month = static_cast<int>(kMonths.find(date.substr(0, 3)) / 3) + 1;
  time.day = (date[4] == ' ' ? 0 : date[4] - '0') * 10 + (date[5] - '0');
  time.year = 0;
  for (char digit : date.substr(7, 4)) time.year = time.year * 10 + (digit - '0');
  return time;
}

constexpr CalendarTime kBuildDate = ParseCompilerDate(__DATE__);
static_assert(kBuildDate.month >= 1 && kBuildDate.month <= 12 && kBuildDate.year >= 2024);

}  // namespace

CalendarTime BuildDate() {
  return kBuildDate;
}

bool BeforeBuildDate(const CalendarTime& t) {
  return std::tie(t.year, t.month, t.day) <
         std::tie(kBuildDate.year, kBuildDate.month, kBuildDate.day);
}

std::string BuildDateText() {
  return std::string(kMonths.substr(static_cast<std::size_t>(kBuildDate.month - 1) * 3, 3)) + " " +
         std::to_string(kBuildDate.day) + ", " + std::to_string(kBuildDate.year);
}

}  // namespace navbin::platform

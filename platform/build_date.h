#pragma once
// The date this program was built, as a lower bound for any time the PC
// clock may be set to: a receiver whose week number rolled over reports a
// time about 19.6 years early, and no real clock runs before its program
// was built.

#include <string>

#include "platform/system_clock.h"

namespace navbin::platform {

// Midnight UTC at the start of the build day (the compiler's __DATE__ of
// build_date.cpp, so never later than the real build).
CalendarTime BuildDate();

// True when `time` falls before BuildDate().
bool BeforeBuildDate(const CalendarTime& time);

// "Dec 8, 2026"
std::string BuildDateText();

}  // namespace navbin::platform

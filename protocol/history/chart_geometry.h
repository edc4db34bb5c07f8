#pragma once
// The arithmetic of the sky plot and the time-series charts, kept free of any
// toolkit so that tests compute where a satellite must appear.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "protocol/history/report_history.h"
#include "protocol/presentation/display.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::reports {

// Offset from the plot's centre, screen axes (x right = east, y down = south).
struct SkyOffset {
  double dx = 0;
  double dy = 0;
};

// Where a satellite at `elevation` and `azimuth` (degrees) stands on a polar
// plot of `radius` with north up: the zenith at the centre, the horizon on the
// rim. Elevations outside 0..90 are drawn on the rim or at the zenith; nothing
// for values that are not numbers.
std::optional<SkyOffset> SkyPlace(double elevation, double azimuth, double radius);

enum class SkyMark { Used, Tracked, Stale };

// Used when `sv` stands positive in fixSvs, tracked otherwise; stale wins.
SkyMark MarkOf(int sv, const std::array<std::int32_t, kChannelCount>& fixSvs, bool stale);
// Lime for used, yellow for tracked, grey for stale.
Colour MarkColour(SkyMark mark);

// The time spans the charts offer, shortest first; 1 hour is the default.
struct SeriesSpan {
  const char* label;
  double seconds;
};
inline constexpr std::array<SeriesSpan, 4> kSeriesSpans{{
    {"10 minutes", 600},
    {"1 hour", 3600},
    {"6 hours", 21600},
    {"24 hours", 86400},
}};
inline constexpr int kDefaultSpan = 1;

// The title of the PC clock's offset strip, and the note in it: live, the
// offset is taken as each time report arrives and keeps the report's delay
// after its second; a recording holds no PC clock.
inline constexpr const char* kPcOffsetTitle = "PC \u2212 receiver";
inline constexpr const char* kPcOffsetLiveNote =
    "PC clock \u2212 receiver (report-based: includes the report's delay after its second)";
inline constexpr const char* kPcOffsetRecordedNote =
    "PC clock \u2212 receiver: none in a recording, which holds no PC clock";

// Seconds from `timeOfWeek` to the newer `newest`, across a week rollover.
double AgeOf(double newest, double timeOfWeek);
// Seconds since 1970-01-01 00:00 UTC of the time of week `timeOfWeek`, taken
// as the nearest such time to the port's time base. Without a base, the time
// of week itself (a chart then shows GPS time of week).
double UtcSecondsOf(const TimeBase& base, double timeOfWeek);

// "hh:mm:ss" of the GPS time of day of a time of week; "--:--:--" when it is
// not a number.
std::string TimeOfDayText(double timeOfWeek);

}  // namespace navbin::reports

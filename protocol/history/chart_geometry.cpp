#include "protocol/history/chart_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "protocol/presentation/format.h"
#include "protocol/presentation/time_functions.h"

namespace navbin::reports {

std::optional<SkyOffset> SkyPlace(double elevation, double azimuth, double radius) {
  if (!std::isfinite(elevation) || !std::isfinite(azimuth)) return std::nullopt;
  const double fromZenith = (90.0 - std::clamp(elevation, 0.0, 90.0)) / 90.0 * radius;
  const double a = azimuth * kRadiansPerDegree;
  return SkyOffset{fromZenith * std::sin(a), -fromZenith * std::cos(a)};
}

SkyMark MarkOf(int sv, const std::array<std::int32_t, kChannelCount>& fixSvs, bool stale) {
  if (stale) return SkyMark::Stale;
  // The first entry of the SV's magnitude decides, as for the SV panels.
  for (std::int32_t entry : fixSvs) {
    if (sv != 0 && std::abs(entry) == sv) return entry > 0 ? SkyMark::Used : SkyMark::Tracked;
  }
  return SkyMark::Tracked;
}

Colour MarkColour(SkyMark mark) {
  switch (mark) {
    case SkyMark::Used:
      return Colour::Lime;
    case SkyMark::Tracked:
      return Colour::Yellow;
    case SkyMark::Stale:
      break;
  }
  return Colour::Gray;
}

double AgeOf(double newest, double timeOfWeek) {
  const double age = std::fmod(newest - timeOfWeek, kSecondsPerWeek);
  return age < 0 ? age + kSecondsPerWeek : age;
}

double UtcSecondsOf(const TimeBase& base, double timeOfWeek) {
  if (!base.known()) return timeOfWeek;
  double step = std::fmod(timeOfWeek - std::fmod(base.gpsTime, kSecondsPerWeek), kSecondsPerWeek);
  if (step > kSecondsPerWeek / 2) step -= kSecondsPerWeek;
  if (step < -kSecondsPerWeek / 2) step += kSecondsPerWeek;
  return kGpsEpochInUnixTime + base.gpsTime + step - base.utcOffset;
}

std::string TimeOfDayText(double timeOfWeek) {
  if (!std::isfinite(timeOfWeek)) return "--:--:--";
  double day = std::fmod(timeOfWeek, kSecondsPerDay);
  if (day < 0) day += kSecondsPerDay;
  const auto s = static_cast<long>(day);
  return Format("%02ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
}

}  // namespace navbin::reports

#include "sim/gps_time.h"

namespace navbin::sim {

namespace {

constexpr std::int64_t kGpsEpochDaysFrom1970 = 3657;  // 1980-01-06

// Proleptic Gregorian date of a day count from 1970-01-01.
void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

}  // namespace

GpsTime SplitGpsMs(std::int64_t gpsMs) {
  if (gpsMs < 0) gpsMs = 0;
  GpsTime t;
  t.week = static_cast<std::uint32_t>(gpsMs / kMsPerWeek);
  t.timeOfWeek = static_cast<double>(gpsMs % kMsPerWeek) / 1000.0;
  return t;
}

CivilTime CivilFromGpsSeconds(std::int64_t gpsSeconds) {
  if (gpsSeconds < 0) gpsSeconds = 0;
  CivilTime c;
  const std::int64_t days = gpsSeconds / 86400;
  const auto secondOfDay = static_cast<int>(gpsSeconds % 86400);
  CivilFromDays(days + kGpsEpochDaysFrom1970, c.year, c.month, c.day);
  c.hour = secondOfDay / 3600;
  c.minute = secondOfDay / 60 % 60;
  c.second = secondOfDay % 60;
  return c;
}

}  // namespace navbin::sim

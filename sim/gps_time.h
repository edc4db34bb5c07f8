#pragma once
// GPS week and time of week, and the calendar, from milliseconds since the
// GPS epoch (1980-01-06 00:00:00).

#include <cstdint>

namespace navbin::sim {

inline constexpr std::int64_t kSecondsPerWeek = 604800;
inline constexpr std::int64_t kMsPerWeek = kSecondsPerWeek * 1000;
inline constexpr int kGpsUtcOffset = 18;  // leap seconds, GPS minus UTC

struct GpsTime {
  std::uint32_t week = 0;
  double timeOfWeek = 0;  // seconds
};

GpsTime SplitGpsMs(std::int64_t gpsMs);

struct CivilTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Calendar date and time of a whole count of seconds since the GPS epoch
// (GPS time scale; subtract the UTC offset first for UTC).
CivilTime CivilFromGpsSeconds(std::int64_t gpsSeconds);

}  // namespace navbin::sim

#pragma once
// Unit conversions shared by the report parsers, the decoders and the displays.

namespace navbin::reports {

// 1e9 / c with c = 299 792 458 m/s: metres of clock bias to nanoseconds.
inline constexpr long double kInverseSpeedOfLight = 3.3356409519815204e-9L;
inline double MetresToNanoseconds(double metres) {
  return static_cast<double>(static_cast<long double>(metres) * 1e9L * kInverseSpeedOfLight);
}
// Radians to degrees and back, with the system's value of pi (3.1415927).
inline constexpr double kDegreesPerRadian = 57.29577866666166;
inline constexpr double kRadiansPerDegree = 0.01745329277777778;

}  // namespace navbin::reports

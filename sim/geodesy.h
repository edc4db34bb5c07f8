#pragma once
// WGS-84 conversions between geodetic and Earth-centred coordinates, and the
// local east-north-up frame.

namespace navbin::sim {

inline constexpr double kWgs84A = 6378137.0;
inline constexpr double kWgs84F = 1.0 / 298.257223563;
inline constexpr double kWgs84E2 = kWgs84F * (2.0 - kWgs84F);
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kSpeedOfLight = 299792458.0;

// Latitude and longitude in radians, altitude in metres above the ellipsoid.
struct Lla {
  double latitude = 0;
  double longitude = 0;
  double altitude = 0;
};

// Metres (or metres per second), Earth-centred Earth-fixed.
struct Ecef {
  double x = 0;
  double y = 0;
  double z = 0;
};

struct Enu {
  double east = 0;
  double north = 0;
  double up = 0;
};

Ecef LlaToEcef(const Lla& p);
Lla EcefToLla(const Ecef& p);

// Rotates a local vector at `at` into the ECEF axes, and back.
Ecef EnuToEcef(const Enu& v, const Lla& at);
Enu EcefToEnu(const Ecef& v, const Lla& at);

// Moves a position by a few metres east, north and up.
Lla OffsetLla(const Lla& p, const Enu& metres);

}  // namespace navbin::sim

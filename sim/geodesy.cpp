#include "sim/geodesy.h"

#include <cmath>

namespace navbin::sim {

namespace {

double PrimeVerticalRadius(double latitude) {
  const double s = std::sin(latitude);
  return kWgs84A / std::sqrt(1.0 - kWgs84E2 * s * s);
}

}  // namespace

Ecef LlaToEcef(const Lla& p) {
  const double n = PrimeVerticalRadius(p.latitude);
  const double cl = std::cos(p.latitude);
  return {(n + p.altitude) * cl * std::cos(p.longitude),
          (n + p.altitude) * cl * std::sin(p.longitude),
          (n * (1.0 - kWgs84E2) + p.altitude) * std::sin(p.latitude)};
}

Lla EcefToLla(const Ecef& p) {
  // Fixed-point iteration on the latitude; converges to well below a
  // millimetre in a handful of steps anywhere off the poles.
  const double r = std::hypot(p.x, p.y);
  Lla out;
  out.longitude = std::atan2(p.y, p.x);
  double lat = std::atan2(p.z, r * (1.0 - kWgs84E2));
  double h = 0;
  for (int i = 0; i < 10; ++i) {
    const double n = PrimeVerticalRadius(lat);
    h = r / std::cos(lat) - n;
    lat = std::atan2(p.z, r * (1.0 - kWgs84E2 * n / (n + h)));
  }
  out.latitude = lat;
  out.altitude = h;
  return out;
}

Ecef EnuToEcef(const Enu& v, const Lla& at) {
  const double sl = std::sin(at.latitude), cl = std::cos(at.latitude);
  const double so = std::sin(at.longitude), co = std::cos(at.longitude);
  return {-so * v.east - sl * co * v.north + cl * co * v.up,
          co * v.east - sl * so * v.north + cl * so * v.up, cl * v.north + sl * v.up};
}

Enu EcefToEnu(const Ecef& v, const Lla& at) {
  const double sl = std::sin(at.latitude), cl = std::cos(at.latitude);
  const double so = std::sin(at.longitude), co = std::cos(at.longitude);
  return {-so * v.x + co * v.y, -sl * co * v.x - sl * so * v.y + cl * v.z,
          cl * co * v.x + cl * so * v.y + sl * v.z};
}

Lla OffsetLla(const Lla& p, const Enu& metres) {
  const Ecef base = LlaToEcef(p);
  const Ecef d = EnuToEcef(metres, p);
  return EcefToLla({base.x + d.x, base.y + d.y, base.z + d.z});
}

}  // namespace navbin::sim

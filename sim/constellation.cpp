#include "sim/constellation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "sim/geodesy.h"
#include "sim/sim_random.h"

namespace navbin::sim {

namespace {

constexpr double kDegree = kPi / 180.0;

std::vector<std::uint8_t> PickSvNumbers(SimRandom& r, int count) {
  std::vector<std::uint8_t> all(32);
  std::iota(all.begin(), all.end(), std::uint8_t{1});
  for (std::size_t i = all.size() - 1; i > 0; --i) {
    std::swap(all[i], all[static_cast<std::size_t>(r.next() % (i + 1))]);
  }
  all.resize(static_cast<std::size_t>(count));
  return all;
}

// Inverts a symmetric 4x4 matrix in place (Gauss-Jordan); false if singular.
bool Invert4(std::array<std::array<double, 4>, 4>& m) {
  std::array<std::array<double, 4>, 4> inv{};
  for (int i = 0; i < 4; ++i) inv[i][i] = 1.0;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int row = col + 1; row < 4; ++row) {
      if (std::abs(m[row][col]) > std::abs(m[pivot][col])) pivot = row;
    }
    if (std::abs(m[pivot][col]) < 1e-9) return false;
    std::swap(m[pivot], m[col]);
    std::swap(inv[pivot], inv[col]);
    const double scale = 1.0 / m[col][col];
    for (int k = 0; k < 4; ++k) {
      m[col][k] *= scale;
      inv[col][k] *= scale;
    }
    for (int row = 0; row < 4; ++row) {
      if (row == col) continue;
      const double f = m[row][col];
      for (int k = 0; k < 4; ++k) {
        m[row][k] -= f * m[col][k];
        inv[row][k] -= f * inv[col][k];
      }
    }
  }
  m = inv;
  return true;
}

}  // namespace

Constellation::Constellation(std::uint64_t seed, int count) : seed_(seed) {
  SimRandom r(seed ^ 0x736B79ULL);
  count = std::clamp(count, 1, 12);
  const auto svs = PickSvNumbers(r, count);
  const int unhealthy = count >= 10 ? 2 : 1;
  int delayed = 0;
  for (int i = 0; i < count; ++i) {
    Orbit o;
    o.sv = svs[static_cast<std::size_t>(i)];
    o.healthy = i >= unhealthy;
    if (i == unhealthy) {
      // One low satellite that dips under the usual 10 degree mask now and then.
      o.elevationCentre = r.uniform(9.0, 12.0) * kDegree;
      o.elevationSwing = r.uniform(3.0, 5.0) * kDegree;
    } else {
      o.elevationCentre = r.uniform(16.0, 72.0) * kDegree;
      const double room =
          std::min(o.elevationCentre - 13.0 * kDegree, 86.0 * kDegree - o.elevationCentre);
      o.elevationSwing = r.uniform(0.2, 1.0) * std::min(room, 25.0 * kDegree);
    }
    o.period = r.uniform(4.0, 10.0) * 3600.0;
    o.phase = r.uniform(0.0, 2.0 * kPi);
    o.azimuthStart = r.uniform(0.0, 2.0 * kPi);
    o.azimuthRate = r.uniform(0.15, 0.6) * kDegree / 60.0 * (r.chance(0.5) ? 1.0 : -1.0);
    o.levelOffset = r.uniform(-2.0, 2.0);
    // A couple of satellites still collect their ephemeris at start-up; never
    // so many that the first fix has to wait for them.
    if (o.healthy && i != unhealthy && delayed < 2 && r.chance(0.3)) {
      o.ephemerisAfter = r.uniform(3.0, 40.0);
      ++delayed;
    }
    orbits_.push_back(o);
  }
}

std::vector<SatelliteView> Constellation::viewAt(double seconds, const GpsConfig& masks) const {
  std::vector<SatelliteView> sky;
  sky.reserve(orbits_.size());
  const auto second = static_cast<std::uint64_t>(std::max(0.0, seconds));
  for (std::size_t i = 0; i < orbits_.size(); ++i) {
    const Orbit& o = orbits_[i];
    SatelliteView v;
    v.sv = o.sv;
    v.channel = static_cast<int>(i);
    v.elevation = std::clamp(
        o.elevationCentre + o.elevationSwing * std::sin(2.0 * kPi * seconds / o.period + o.phase),
        1.0 * kDegree, 88.0 * kDegree);
    v.azimuth = std::fmod(o.azimuthStart + o.azimuthRate * seconds, 2.0 * kPi);
    if (v.azimuth < 0) v.azimuth += 2.0 * kPi;
    const double jitter = 0.4 * HashNoise(seed_, o.sv, second);
    v.level = static_cast<float>(
        std::max(1.0, 8.0 + 26.0 * std::sin(v.elevation) + o.levelOffset + jitter));
    v.healthy = o.healthy;
    v.ephemeris = seconds >= o.ephemerisAfter;
    v.usable = v.healthy && v.ephemeris && v.elevation >= masks.elevationMask &&
               v.level >= masks.signalMask;
    sky.push_back(v);
  }
  return sky;
}

int CountUsable(const std::vector<SatelliteView>& sky) {
  return static_cast<int>(std::count_if(sky.begin(), sky.end(), [](auto& v) { return v.usable; }));
}

Dops ComputeDops(const std::vector<SatelliteView>& sky) {
  std::array<std::array<double, 4>, 4> normal{};
  int used = 0;
  for (const SatelliteView& v : sky) {
    if (!v.usable) continue;
    const std::array<double, 4> row{-std::cos(v.elevation) * std::sin(v.azimuth),
                                    -std::cos(v.elevation) * std::cos(v.azimuth),
                                    -std::sin(v.elevation), 1.0};
    for (int i = 0; i < 4; ++i) {
      for (int k = 0; k < 4; ++k) normal[i][k] += row[i] * row[k];
    }
    ++used;
  }
  Dops d;
  if (used < 4 || !Invert4(normal)) return d;
  d.hdop = std::sqrt(normal[0][0] + normal[1][1]);
  d.vdop = std::sqrt(normal[2][2]);
  d.pdop = std::sqrt(normal[0][0] + normal[1][1] + normal[2][2]);
  d.tdop = std::sqrt(normal[3][3]);
  d.valid = true;
  return d;
}

}  // namespace navbin::sim

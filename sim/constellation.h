#pragma once
// The satellites a simulated receiver tracks: one per channel, each on a slow
// made-up path across the sky (elevation swinging over hours, azimuth
// drifting), with a signal level that follows the elevation. A view is a pure
// function of time, so the sky does not depend on how the clock is stepped.

#include <cstdint>
#include <vector>

#include "sim/receiver_settings.h"

namespace navbin::sim {

struct SatelliteView {
  std::uint8_t sv = 0;
  int channel = 0;
  double elevation = 0;  // radians
  double azimuth = 0;    // radians, 0 to 2 pi
  float level = 0;       // AMU
  bool healthy = true;
  bool ephemeris = true;
  bool usable = true;  // healthy, with ephemeris, above the elevation and signal masks
};

struct Dops {
  double pdop = 99.0;
  double hdop = 99.0;
  double vdop = 99.0;
  double tdop = 99.0;
  bool valid = false;  // enough satellites for a solution
};

class Constellation {
 public:
  Constellation(std::uint64_t seed, int count);

  std::vector<SatelliteView> viewAt(double seconds, const GpsConfig& masks) const;
  int size() const { return static_cast<int>(orbits_.size()); }

 private:
  struct Orbit {
    std::uint8_t sv = 0;
    double elevationCentre = 0, elevationSwing = 0, period = 1, phase = 0;
    double azimuthStart = 0, azimuthRate = 0;
    double levelOffset = 0;
    double ephemerisAfter = 0;  // seconds until its ephemeris is collected
    bool healthy = true;
  };

  std::vector<Orbit> orbits_;
  std::uint64_t seed_;
};

// Dilutions of precision of the usable satellites (east, north, up, clock).
Dops ComputeDops(const std::vector<SatelliteView>& sky);

int CountUsable(const std::vector<SatelliteView>& sky);

}  // namespace navbin::sim

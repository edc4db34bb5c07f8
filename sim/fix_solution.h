#pragma once
// What the receiver makes of its sky: the fix dimension, whether it has a
// position at all and the status code it reports for that.

#include <cstdint>
#include <vector>

#include "sim/constellation.h"
#include "sim/receiver_settings.h"

namespace navbin::sim {

struct FixSolution {
  std::vector<SatelliteView> sky;
  Dops dops;
  int usable = 0;
  std::uint8_t dimensionCode =
      1;                // 0x6D bits 0..2: 1 time only, 3 2-D, 4 3-D, 5 overdetermined clock
  bool hasFix = false;  // a position is computed (and broadcast)
  std::uint8_t statusCode = 0x08;  // 0x46 byte 0
};

FixSolution Solve(std::vector<SatelliteView> sky, const GpsConfig& gps);

}  // namespace navbin::sim

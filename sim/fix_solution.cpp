#include "sim/fix_solution.h"

#include <algorithm>

namespace navbin::sim {

FixSolution Solve(std::vector<SatelliteView> sky, const GpsConfig& gps) {
  FixSolution s;
  s.sky = std::move(sky);
  s.usable = CountUsable(s.sky);
  s.dops = ComputeDops(s.sky);
  int needed = 4;
  std::uint8_t code = 4;
  switch (gps.receiverMode) {
    case 1:  // single satellite, time only
      needed = 1;
      code = 1;
      break;
    case 3:  // horizontal: altitude held
      needed = 3;
      code = 3;
      break;
    case 7:  // overdetermined clock at a known position
      needed = 1;
      code = 5;
      break;
    case 0:  // automatic: 3-D when it can, else 2-D
      if (s.usable == 3) {
        needed = 3;
        code = 3;
      }
      break;
    default:
      break;
  }
  const bool positioning = code == 3 || code == 4;
  s.hasFix = s.usable >= needed;
  if (s.hasFix && positioning && s.dops.valid && s.dops.pdop > gps.pdopMask) {
    s.hasFix = false;
    s.statusCode = 0x03;  // PDOP is too high
  } else if (!s.hasFix) {
    s.statusCode = static_cast<std::uint8_t>(0x08 + std::min(s.usable, 3));
  } else {
    s.statusCode = 0x00;
  }
  s.dimensionCode = s.hasFix ? code : 1;
  return s;
}

}  // namespace navbin::sim

#pragma once
// What makes one simulated receiver differ from another: where it stands,
// its firmware, its clock and how many satellites it sees. All of it comes
// from the seed.

#include <cstdint>

#include "sim/geodesy.h"

namespace navbin::sim {

struct FirmwareVersion {
  std::uint8_t major = 0;
  std::uint8_t minor = 0;
  std::uint8_t month = 1;
  std::uint8_t day = 1;
  std::uint8_t yearMinus2000 = 0;
};

struct ReceiverProfile {
  Lla site;                       // true antenna position
  double geoidSeparation = 0;     // metres, ellipsoid minus mean sea level height
  FirmwareVersion navigation;     // 0x45 bytes 0..4
  FirmwareVersion signal;         // 0x45 bytes 5..9
  std::uint8_t machineId = 0x5A;  // 0x4B byte 0
  std::int64_t startGpsMs = 0;    // GPS time at simulation time 0
  int trackedSatellites = 10;     // channels in use, 8..12
  double clockBias = 0;           // metres at time 0
  double biasRate = 0;            // metres per second at time 0

  static ReceiverProfile FromSeed(std::uint64_t seed);
};

}  // namespace navbin::sim

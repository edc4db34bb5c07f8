#pragma once
// Receiver health over time: mostly healthy, with short episodes of an open
// or shorted antenna feed, missing battery-backed memory or real-time clock at
// start, and an incomplete almanac (at start-up and after a cold reset).

#include <array>
#include <cstdint>

#include "sim/sim_random.h"

namespace navbin::sim {

class HealthModel {
 public:
  HealthModel(SimRandom random, std::int64_t almanacCompleteAfter);

  // Advances by one second: episodes end, and new ones may begin.
  void step();
  // A cold or factory reset forgets the almanac for a while.
  void forgetAlmanac(std::int64_t seconds);

  std::uint8_t errorBits() const;   // 0x46 byte 1
  std::uint8_t statusBits() const;  // 0x4B byte 1
  bool almanacIncomplete() const { return remaining_[kAlmanac] > 0; }

 private:
  enum Kind { kBattery, kAntennaOpen, kAntennaShort, kClock, kAlmanac, kKinds };
  struct Episode {
    double chancePerSecond;
    int shortest, longest;  // seconds
  };
  static constexpr std::array<Episode, kKinds> kEpisodes{{
      {1.0 / 900, 20, 60},
      {1.0 / 400, 4, 15},
      {1.0 / 1500, 3, 8},
      {1.0 / 900, 20, 60},
      {1.0 / 1200, 30, 90},
  }};

  SimRandom random_;
  std::array<std::int64_t, kKinds> remaining_{};
};

}  // namespace navbin::sim

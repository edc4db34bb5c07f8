#include "sim/health_model.h"

namespace navbin::sim {

HealthModel::HealthModel(SimRandom random, std::int64_t almanacCompleteAfter) : random_(random) {
  remaining_[kAlmanac] = almanacCompleteAfter;
}

void HealthModel::step() {
  for (int k = 0; k < kKinds; ++k) {
    if (remaining_[k] > 0) {
      --remaining_[k];
    } else if (random_.chance(kEpisodes[k].chancePerSecond)) {
      remaining_[k] = random_.range(kEpisodes[k].shortest, kEpisodes[k].longest);
    }
  }
  // The feed line is either open or shorted, not both.
  if (remaining_[kAntennaShort] > 0) remaining_[kAntennaOpen] = 0;
}

void HealthModel::forgetAlmanac(std::int64_t seconds) {
  remaining_[kAlmanac] = seconds;
}

std::uint8_t HealthModel::errorBits() const {
  std::uint8_t bits = 0;
  if (remaining_[kBattery] > 0) bits |= 0x01;
  if (remaining_[kAntennaOpen] > 0) bits |= 0x10;
  if (remaining_[kAntennaShort] > 0) bits |= 0x30;
  return bits;
}

std::uint8_t HealthModel::statusBits() const {
  std::uint8_t bits = 0;
  if (remaining_[kClock] > 0) bits |= 0x02;
  if (remaining_[kAlmanac] > 0) bits |= 0x08;
  return bits;
}

}  // namespace navbin::sim

#include "sim/receiver_profile.h"

#include "sim/gps_time.h"
#include "sim/sim_random.h"

namespace navbin::sim {

namespace {

constexpr double kDegree = kPi / 180.0;

FirmwareVersion RandomFirmware(SimRandom& r, int majorLo, int majorHi) {
  FirmwareVersion v;
  v.major = static_cast<std::uint8_t>(r.range(majorLo, majorHi));
  // Every version is new enough to report its datum (above 1.11).
  v.minor = static_cast<std::uint8_t>(v.major == 1 ? r.range(12, 40) : r.range(0, 30));
  v.month = static_cast<std::uint8_t>(r.range(1, 12));
  v.day = static_cast<std::uint8_t>(r.range(1, 28));
  v.yearMinus2000 = static_cast<std::uint8_t>(r.range(5, 24));
  return v;
}

}  // namespace

ReceiverProfile ReceiverProfile::FromSeed(std::uint64_t seed) {
  SimRandom r(seed ^ 0x6E617662696E5349ULL);
  ReceiverProfile p;
  p.site.latitude = r.uniform(30.0, 60.0) * kDegree;
  p.site.longitude = r.uniform(-180.0, 180.0) * kDegree;
  p.site.altitude = r.uniform(20.0, 1500.0);
  p.geoidSeparation = r.uniform(-40.0, 60.0);
  p.navigation = RandomFirmware(r, 1, 3);
  p.signal = RandomFirmware(r, 1, 4);
  p.machineId = 0x5A;
  const auto week = r.range(2200, 2399);
  const auto towMs = static_cast<std::int64_t>(r.next() % static_cast<std::uint64_t>(kMsPerWeek));
  p.startGpsMs = week * kMsPerWeek + towMs;
  p.trackedSatellites = r.range(8, 12);
  p.clockBias = r.uniform(-120000.0, 120000.0);
  p.biasRate = r.uniform(-150.0, 150.0);
  return p;
}

}  // namespace navbin::sim

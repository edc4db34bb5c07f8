#include "sim/satellite_records.h"

#include <cmath>

#include "sim/packet_writer.h"

namespace navbin::sim {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMu = 3.986005e14;  // m^3/s^2
constexpr std::uint16_t kWeek = 2300;

// The fields go through a packet writer; its leading id byte is dropped.
Record Data(PacketWriter& w) {
  Record r = w.take();
  r.erase(r.begin());
  return r;
}

double Angle(SimRandom& random) {
  return random.uniform(-kPi, kPi);
}

}  // namespace

Record AlmanacRecord(std::uint8_t sv, SimRandom& random) {
  const double sqrtA = random.uniform(5153.0, 5154.5);
  const double a = sqrtA * sqrtA;
  PacketWriter w(0);
  w.u8(0).u16(kWeek).single(random.range(0, 147) * 4096.0);                 // health, week, t_oa
  w.single(random.uniform(0.0, 0.02)).single(random.uniform(-0.02, 0.02));  // e, delta i
  w.single(random.uniform(-8.5e-9, -7.5e-9)).single(sqrtA);                 // OMEGADOT, sqrt A
  w.single(Angle(random)).single(Angle(random)).single(Angle(random));      // OMEGA0, omega, M0
  w.single(random.uniform(-3e-4, 3e-4)).single(random.uniform(-1e-11, 1e-11));  // af0, af1
  w.dbl(0.3 * kPi + random.uniform(-0.02, 0.02)).dbl(a).dbl(std::sqrt(kMu / (a * a * a)));
  (void)sv;  // the SV is in the reply header, not in the record
  return Data(w);
}

Record HealthPageRecord(SimRandom& random) {
  PacketWriter w(0);
  w.u8(static_cast<std::uint8_t>(kWeek & 0xFF));
  for (int sv = 1; sv <= 32; ++sv) w.u8(random.chance(0.05) ? 0x3F : 0x00);
  w.u8(static_cast<std::uint8_t>(random.range(0, 147))).u8(1).u16(kWeek);
  return Data(w);
}

Record IonosphereRecord(SimRandom& random) {
  PacketWriter w(0);
  for (double scale : {1e-8, 1e-8, 1e-7, 1e-7}) w.single(random.uniform(-1.0, 1.0) * scale);
  for (double scale : {1e5, 1e5, 1e5, 1e5}) w.single(random.uniform(-1.0, 1.0) * scale);
  return Data(w);
}

Record UtcRecord(SimRandom& random) {
  PacketWriter w(0);
  w.dbl(random.uniform(-1e-8, 1e-8)).single(random.uniform(-1e-14, 1e-14)).s16(18);
  w.single(random.range(0, 147) * 4096.0).u16(kWeek).u16(kWeek - 300).u16(7).s16(18);
  return Data(w);
}

Record EphemerisRecord(std::uint8_t sv, SimRandom& random) {
  const double sqrtA = random.uniform(5153.0, 5154.5);
  const double a = sqrtA * sqrtA;
  const double e = random.uniform(0.0, 0.02);
  const double toe = random.range(0, 167) * 3600.0;
  const auto iode = static_cast<std::uint8_t>(random.range(0, 255));
  PacketWriter w(0);
  w.u8(sv).single(toe - 7200.0).u16(kWeek).u8(1).u8(0).u8(0).u8(0).u16(iode);
  w.single(random.uniform(-1e-8, 1e-8)).single(toe).single(0.0);  // T_GD, t_oc, af2
  w.single(random.uniform(-1e-11, 1e-11)).single(random.uniform(-3e-4, 3e-4)).single(2.0);
  w.u8(iode).u8(0).single(random.uniform(-150.0, 150.0)).single(random.uniform(3e-9, 5e-9));
  w.dbl(Angle(random)).single(random.uniform(-1e-5, 1e-5)).dbl(e);  // M0, C_uc, e
  w.single(random.uniform(-1e-5, 1e-5)).dbl(sqrtA).single(toe);     // C_us, sqrt A, t_oe
  w.single(random.uniform(-1e-7, 1e-7)).dbl(Angle(random));         // C_ic, OMEGA0
  w.single(random.uniform(-1e-7, 1e-7)).dbl(0.3 * kPi + random.uniform(-0.02, 0.02));
  w.single(random.uniform(150.0, 350.0)).dbl(Angle(random));  // C_rc, omega
  w.single(random.uniform(-8.5e-9, -7.5e-9)).single(random.uniform(-1e-10, 1e-10));
  w.dbl(a).dbl(std::sqrt(kMu / (a * a * a))).dbl(std::sqrt(1.0 - e * e));
  return Data(w);
}

}  // namespace navbin::sim

#include "sim/navigation_reports.h"

namespace navbin::sim {

namespace {

double OutputAltitude(const NavigationFix& fix, bool msl) {
  return msl ? fix.position.altitude - fix.geoidSeparation : fix.position.altitude;
}

}  // namespace

Packet GpsTimeReport(const GpsTime& t, float utcOffset) {
  return PacketWriter(0x41)
      .single(t.timeOfWeek)
      .u16(static_cast<std::uint16_t>(t.week))
      .single(utcOffset)
      .take();
}

Packet PositionLlaSingle(const NavigationFix& fix, bool msl) {
  return PacketWriter(0x4A)
      .single(fix.position.latitude)
      .single(fix.position.longitude)
      .single(OutputAltitude(fix, msl))
      .single(fix.clockBias)
      .single(fix.timeOfFix)
      .take();
}

Packet PositionLlaDouble(const NavigationFix& fix, bool msl) {
  return PacketWriter(0x84)
      .dbl(fix.position.latitude)
      .dbl(fix.position.longitude)
      .dbl(OutputAltitude(fix, msl))
      .dbl(fix.clockBias)
      .single(fix.timeOfFix)
      .take();
}

Packet PositionXyzSingle(const NavigationFix& fix) {
  const Ecef p = LlaToEcef(fix.position);
  return PacketWriter(0x42).single(p.x).single(p.y).single(p.z).single(fix.timeOfFix).take();
}

Packet PositionXyzDouble(const NavigationFix& fix) {
  const Ecef p = LlaToEcef(fix.position);
  return PacketWriter(0x83)
      .dbl(p.x)
      .dbl(p.y)
      .dbl(p.z)
      .dbl(fix.clockBias)
      .single(fix.timeOfFix)
      .take();
}

Packet VelocityEnu(const NavigationFix& fix) {
  return PacketWriter(0x56)
      .single(fix.velocity.east)
      .single(fix.velocity.north)
      .single(fix.velocity.up)
      .single(fix.biasRate)
      .single(fix.timeOfFix)
      .take();
}

Packet VelocityXyz(const NavigationFix& fix) {
  const Ecef v = EnuToEcef(fix.velocity, fix.position);
  return PacketWriter(0x43)
      .single(v.x)
      .single(v.y)
      .single(v.z)
      .single(fix.biasRate)
      .single(fix.timeOfFix)
      .take();
}

std::vector<Packet> FixReports(const NavigationFix& fix, const IoOptions& io) {
  std::vector<Packet> out;
  const bool lla = (io.position & 0x02) != 0;
  const bool xyz = !lla || (io.position & 0x01) != 0;
  const bool dbl = (io.position & 0x10) != 0;
  const bool msl = (io.position & 0x04) != 0;
  if (xyz) out.push_back(dbl ? PositionXyzDouble(fix) : PositionXyzSingle(fix));
  if (lla) out.push_back(dbl ? PositionLlaDouble(fix, msl) : PositionLlaSingle(fix, msl));
  const bool enu = (io.velocity & 0x02) != 0;
  const bool ecefVelocity = !enu || (io.velocity & 0x01) != 0;
  if (ecefVelocity) out.push_back(VelocityXyz(fix));
  if (enu) out.push_back(VelocityEnu(fix));
  return out;
}

}  // namespace navbin::sim

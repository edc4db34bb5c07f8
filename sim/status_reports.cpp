#include "sim/status_reports.h"

#include "sim/gps_time.h"

namespace navbin::sim {

Packet VersionReport(const ReceiverProfile& p) {
  PacketWriter w(0x45);
  for (const FirmwareVersion& v : {p.navigation, p.signal}) {
    w.u8(v.major).u8(v.minor).u8(v.month).u8(v.day).u8(v.yearMinus2000);
  }
  return w.take();
}

Packet HealthReport(std::uint8_t statusCode, std::uint8_t errorBits) {
  return PacketWriter(0x46).u8(statusCode).u8(errorBits).take();
}

Packet MachineStatusReport(std::uint8_t machineId, std::uint8_t statusBits) {
  // Byte 2: the receiver supports the super-packets.
  return PacketWriter(0x4B).u8(machineId).u8(statusBits).u8(0x01).take();
}

Packet DgpsModeReport(std::uint8_t mode) {
  return PacketWriter(0x82).u8(mode).take();
}

Packet SetTimeReply(bool accepted) {
  return PacketWriter(0x4E).u8(accepted ? 'Y' : 'N').take();
}

Packet SatelliteSelectionReport(const FixSolution& fix) {
  const auto count = static_cast<std::uint8_t>(fix.sky.size() > 15 ? 15 : fix.sky.size());
  PacketWriter w(0x6D);
  w.u8(static_cast<std::uint8_t>(count << 4 | (fix.dimensionCode & 0x07)));
  w.single(fix.dops.pdop).single(fix.dops.hdop).single(fix.dops.vdop).single(fix.dops.tdop);
  for (std::size_t i = 0; i < count; ++i) {
    const SatelliteView& v = fix.sky[i];
    const int sv = v.usable ? v.sv : -static_cast<int>(v.sv);
    w.u8(static_cast<std::uint8_t>(sv));
  }
  return w.take();
}

Packet TrackingStatusReport(const SatelliteView& sat, float measuredAt) {
  return PacketWriter(0x5C)
      .u8(sat.sv)
      .u8(static_cast<std::uint8_t>(sat.channel << 3))
      .u8(1)  // acquired
      .u8(sat.ephemeris ? 1 : 0)
      .single(sat.level)
      .single(measuredAt)
      .single(sat.elevation)
      .single(sat.azimuth)
      .fill(0, 4)
      .take();
}

std::uint8_t DgpsReportValue(std::uint8_t configuredMode) {
  switch (configuredMode) {
    case 0:
      return 0;
    case 1:
      return 1;
    default:
      return 2;
  }
}

Packet PrimaryTimingReport(std::int64_t gpsSecond, bool utc) {
  const GpsTime t = SplitGpsMs(gpsSecond * 1000);
  const CivilTime c = CivilFromGpsSeconds(utc ? gpsSecond - kGpsUtcOffset : gpsSecond);
  return PacketWriter(0x8F, 0xAB)
      .s32(static_cast<std::int32_t>(t.timeOfWeek))
      .u16(static_cast<std::uint16_t>(t.week))
      .s16(kGpsUtcOffset)
      .u8(utc ? 0x01 : 0x00)
      .u8(static_cast<std::uint8_t>(c.second))
      .u8(static_cast<std::uint8_t>(c.minute))
      .u8(static_cast<std::uint8_t>(c.hour))
      .u8(static_cast<std::uint8_t>(c.day))
      .u8(static_cast<std::uint8_t>(c.month))
      .u16(static_cast<std::uint16_t>(c.year))
      .take();
}

Packet SupplementalTimingReport(const SupplementalTiming& t, const NavigationFix& fix) {
  constexpr double kNsPerMetre = 1e9 / kSpeedOfLight;
  return PacketWriter(0x8F, 0xAC)
      .u8(t.receiverMode)
      .u8(0)  // disciplining mode
      .u8(t.surveyProgress)
      .u32(0)  // holdover duration
      .u16(0)  // critical alarms
      .u16(t.minorAlarms)
      .u8(t.decodingStatus)
      .fill(0, 3)
      .single(fix.clockBias * kNsPerMetre)
      .single(fix.biasRate * kNsPerMetre)
      .fill(0, 8)
      .single(38.5f)  // temperature, degrees Celsius
      .dbl(fix.position.latitude)
      .dbl(fix.position.longitude)
      .dbl(fix.position.altitude)
      .single(t.quantizationError)
      .u8(t.ppsGenerated ? 1 : 0)
      .fill(0, 3)
      .take();
}

}  // namespace navbin::sim

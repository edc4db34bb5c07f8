#include "sim/settings_codec.h"

#include <cmath>

#include "link/field_codec.h"

namespace navbin::sim {

using link::GetDouble;
using link::GetSingle;
using link::GetU16;
using link::GetU32;

namespace {

constexpr std::uint8_t kKeep = 0xFF;  // a byte field of 0xFF leaves the setting as it is

// A mask field that is not a number or negative leaves the setting as it is.
void SetMask(float& field, float value) {
  if (std::isfinite(value) && value >= 0.0f) field = value;
}

void SetByte(std::uint8_t& field, std::uint8_t value, std::uint8_t max) {
  if (value != kKeep && value <= max) field = value;
}

}  // namespace

Packet IoOptionsReport(const IoOptions& io) {
  return PacketWriter(0x55).u8(io.position).u8(io.velocity).u8(io.timing).u8(io.auxiliary).take();
}

bool ApplyIoOptions(IoOptions& io, Payload p) {
  if (p.size() != 4) return false;
  io = {p[0], p[1], p[2], p[3]};
  return true;
}

Packet DatumReport(std::uint16_t datumIndex) {
  // After the index: the datum's shifts dx, dy, dz, the ellipsoid's semi-major
  // axis and its eccentricity squared. Every datum here uses the WGS-84
  // ellipsoid without shifts.
  return PacketWriter(0x8F, 0x15)
      .u16(datumIndex)
      .dbl(0.0)
      .dbl(0.0)
      .dbl(0.0)
      .dbl(6378137.0)
      .dbl(0.00669437999014)
      .take();
}

bool ApplyDatum(std::uint16_t& datumIndex, Payload p) {
  if (p.size() != 3) return false;
  const std::uint16_t index = GetU16(&p[1]);
  if (index >= kDatumCount) return false;  // no such datum: the receiver keeps its own
  datumIndex = index;
  return true;
}

Packet GpsConfigReport(const GpsConfig& gps) {
  return PacketWriter(0xBB, 0x03)
      .u8(gps.receiverMode)
      .u8(gps.dgpsMode)
      .u8(gps.dynamicsCode)
      .fill(0xFF, 11)
      .single(gps.elevationMask)
      .single(gps.signalMask)
      .single(gps.pdopMask)
      .single(gps.pdopSwitch)
      .fill(0xFF, 4)
      .u8(gps.dgpsAgeLimit)
      .fill(0xFF, 4)
      .take();
}

bool ApplyGpsConfig(GpsConfig& gps, Payload p) {
  if (p.size() != 40 || p[0] != 0x03) return false;
  SetByte(gps.receiverMode, p[1], 7);
  SetByte(gps.dgpsMode, p[2], 3);
  if (p[3] >= 1) SetByte(gps.dynamicsCode, p[3], 4);
  SetMask(gps.elevationMask, GetSingle(&p[15]));
  SetMask(gps.signalMask, GetSingle(&p[19]));
  SetMask(gps.pdopMask, GetSingle(&p[23]));
  SetMask(gps.pdopSwitch, GetSingle(&p[27]));
  if (p[35] != kKeep) gps.dgpsAgeLimit = p[35];
  return true;
}

Packet SerialConfigReport(std::uint8_t port, const SerialConfig& c) {
  return PacketWriter(0xBC)
      .u8(port)
      .u8(c.inputBaud)
      .u8(c.outputBaud)
      .u8(c.dataBits)
      .u8(c.parity)
      .u8(c.stopBits)
      .u8(c.flowControl)
      .u8(c.inputProtocols)
      .u8(c.outputProtocols)
      .u8(0)
      .take();
}

bool ApplySerialConfig(std::array<SerialConfig, 2>& ports, Payload p, std::uint8_t arrivalPort) {
  if (p.size() != 10) return false;
  const std::uint8_t port = p[0] == 0xFF ? arrivalPort : p[0];
  if (port > 1) return false;
  ports[port] = {p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8]};
  return true;
}

Packet PpsCharacteristicsReport(const PpsCharacteristics& pps) {
  return PacketWriter(0x8F, 0x4A)
      .u8(pps.driverSwitch)
      .u8(pps.timeBase)
      .u8(pps.polarity)
      .dbl(pps.offset)
      .single(pps.biasThreshold)
      .take();
}

bool ApplyPpsCharacteristics(PpsCharacteristics& pps, Payload p) {
  if (p.size() != 16) return false;
  const double offset = GetDouble(&p[4]);
  const float threshold = GetSingle(&p[12]);
  if (!std::isfinite(offset) || !std::isfinite(threshold)) return false;
  SetByte(pps.driverSwitch, p[1], 1);
  SetByte(pps.timeBase, p[2], 1);
  SetByte(pps.polarity, p[3], 1);
  pps.offset = offset;
  pps.biasThreshold = threshold;
  return true;
}

Packet PpsOutputReport(std::uint8_t code) {
  return PacketWriter(0x8F, 0x4E).u8(code).take();
}

bool ApplyPpsOutput(std::uint8_t& code, Payload p) {
  if (p.size() != 2 || p[1] < 2 || p[1] > 4) return false;
  code = p[1];
  return true;
}

Packet PacketMasksReport(const std::array<std::uint8_t, 2>& masks) {
  return PacketWriter(0x8F, 0xA5).u8(masks[0]).u8(masks[1]).u8(0).u8(0).take();
}

bool ApplyPacketMasks(std::array<std::uint8_t, 2>& masks, Payload p) {
  if (p.size() != 5) return false;
  masks = {p[1], p[2]};
  return true;
}

Packet SelfSurveyReport(const SelfSurvey& s) {
  return PacketWriter(0x8F, 0xA9).u8(s.enabled).u8(s.savePosition).u32(s.length).u32(0).take();
}

bool ApplySelfSurvey(SelfSurvey& s, Payload p) {
  if (p.size() != 11) return false;
  s.enabled = p[1] != 0 ? 1 : 0;
  s.savePosition = p[2] != 0 ? 1 : 0;
  s.length = GetU32(&p[3]);
  return true;
}

Packet FilterReport(const FilterConfig& f) {
  return PacketWriter(0x70).u8(f.positionVelocity).u8(f.staticFilter).u8(f.altitude).u8(0).take();
}

bool ApplyFilter(FilterConfig& f, Payload p) {
  if (p.size() != 4) return false;
  f = {static_cast<std::uint8_t>(p[0] != 0), static_cast<std::uint8_t>(p[1] != 0),
       static_cast<std::uint8_t>(p[2] != 0)};
  return true;
}

Packet SensitivityReport(const SensitivityMode& m) {
  return PacketWriter(0x89).u8(m.current).u8(m.afterReset).take();
}

// Only 0 (off) and 1 (on) are modes; any other byte (0xFF from a dialog with
// no choice) keeps the mode.
bool ApplySensitivity(SensitivityMode& m, Payload p) {
  if (p.size() != 2 || p[0] > 1) return false;
  m.afterReset = p[0];
  return true;
}

Packet NavTxtReport(const NavTxtConfig& n) {
  PacketWriter w(0x7F);
  w.u8(0).u8(n.flags).u16(n.topOfHourOffset);
  for (std::uint16_t period : n.periods) w.u16(period);
  for (std::uint8_t c : n.vehicleId) w.u8(c);
  return w.take();
}

bool ApplyNavTxt(NavTxtConfig& n, Payload p) {
  if (p.size() != 24) return false;
  n.flags = p[1];
  n.topOfHourOffset = GetU16(&p[2]);
  for (std::size_t i = 0; i < n.periods.size(); ++i) n.periods[i] = GetU16(&p[4 + 2 * i]);
  for (std::size_t i = 0; i < n.vehicleId.size(); ++i) n.vehicleId[i] = p[20 + i];
  return true;
}

Packet SavedToFlashReport() {
  return PacketWriter(0x8F, 0x26).fill(0, 4).take();
}

}  // namespace navbin::sim

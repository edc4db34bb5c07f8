#include "protocol/commands/config_commands.h"

#include "protocol/commands/send_command.h"

namespace navbin::commands {

CommandPacket BuildSaveToFlash() {
  return {0x8E, 0x26};
}

CommandPacket BuildSetIoOptions(const IoOptions& o) {
  return {0x35, o.position, o.velocity, o.timing, o.fourth};
}

CommandPacket BuildSetSensitivityMode(std::uint8_t mode) {
  return {0x69, mode, 0xFF};
}

CommandPacket BuildSetFilterConfiguration(std::uint8_t positionVelocity, std::uint8_t staticFilter,
                                          std::uint8_t altitude) {
  return {0x70, positionVelocity, staticFilter, altitude, 0x00};
}

CommandPacket BuildSetNavTxtConfiguration(const NavTxtConfiguration& c) {
  CommandPacket p{0x7E, 0x00, c.reportingFlags};
  p.pushU16(c.topOfHourOffset);
  for (std::uint16_t period : c.periods) p.pushU16(period);
  for (std::uint8_t ch : c.vehicleId) p.push(ch);
  return p;
}

CommandPacket BuildSetGpsConfiguration(const GpsConfiguration& c) {
  CommandPacket p{0xBB, 0x03, c.receiverMode, c.dgpsMode, c.dynamicsCode};
  p.pushRepeated(0xFF, 11);  // bytes 5-15
  p.pushSingle(c.elevationMask);
  p.pushSingle(c.signalLevelMask);
  p.pushSingle(c.pdopMask);
  p.pushSingle(c.pdopSwitch);
  p.pushRepeated(0xFF, 4);  // bytes 32-35
  p.push(c.dgpsAgeLimit);
  p.pushRepeated(0xFF, 4);  // bytes 37-40
  return p;
}

CommandPacket BuildSetSerialPortConfiguration(const SerialPortConfiguration& c) {
  // The input baud code goes out as the output baud code too; no flow control.
  return {0xBC,         c.receiverPort, c.baudCode, c.baudCode,          c.dataBitsCode,
          c.parityCode, c.stopBitsCode, 0x00,       c.inputProtocolMask, c.outputProtocolMask,
          0x00};
}

CommandPacket BuildSetDatum(std::uint16_t datumIndex) {
  CommandPacket p{0x8E, 0x15};
  p.pushU16(datumIndex);
  return p;
}

CommandPacket BuildSetPpsCharacteristics(const PpsCharacteristics& pps) {
  CommandPacket p{0x8E, 0x4A, pps.driverSwitch, pps.timeBase, pps.polarity};
  p.pushDouble(pps.offset);
  p.pushSingle(pps.biasUncertaintyThreshold);
  return p;
}

CommandPacket BuildSetPpsOutput(std::uint8_t outputCode) {
  return {0x8E, 0x4E, outputCode};
}

CommandPacket BuildSetPacketMasks(std::uint8_t mask0, std::uint8_t mask1) {
  return {0x8E, 0xA5, mask0, mask1, 0x00, 0x00};
}

CommandPacket BuildSetSelfSurveyParameters(const SelfSurveyParameters& s) {
  CommandPacket p{0x8E, 0xA9, s.enable, s.autoSave};
  p.pushU32(s.surveyLength);
  p.pushU32(0);
  return p;
}

void SaveToFlash(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildSaveToFlash());
}
void SetIoOptions(PacketSender& s, int sel, const IoOptions& options) {
  SendCommand(s, sel, BuildSetIoOptions(options));
  s.armLogTrigger(sel);
}
void SetSensitivityMode(PacketSender& s, int sel, std::uint8_t mode) {
  SendCommand(s, sel, BuildSetSensitivityMode(mode));
}
void SetFilterConfiguration(PacketSender& s, int sel, std::uint8_t positionVelocity,
                            std::uint8_t staticFilter, std::uint8_t altitude) {
  SendCommand(s, sel, BuildSetFilterConfiguration(positionVelocity, staticFilter, altitude));
}
void SetNavTxtConfiguration(PacketSender& s, int sel, const NavTxtConfiguration& config) {
  SendCommand(s, sel, BuildSetNavTxtConfiguration(config));
}
void SetGpsConfiguration(PacketSender& s, int sel, const GpsConfiguration& config) {
  SendCommand(s, sel, BuildSetGpsConfiguration(config));
}
void SetSerialPortConfiguration(PacketSender& s, int sel, const SerialPortConfiguration& config) {
  SendCommand(s, sel, BuildSetSerialPortConfiguration(config));
}
void SetDatum(PacketSender& s, int sel, std::uint16_t datumIndex) {
  SendCommand(s, sel, BuildSetDatum(datumIndex));
}
void SetPpsCharacteristics(PacketSender& s, int sel, const PpsCharacteristics& pps) {
  SendCommand(s, sel, BuildSetPpsCharacteristics(pps));
}
void SetPpsOutput(PacketSender& s, int sel, std::uint8_t outputCode) {
  SendCommand(s, sel, BuildSetPpsOutput(outputCode));
}
void SetPacketMasks(PacketSender& s, int sel, std::uint8_t mask0, std::uint8_t mask1) {
  SendCommand(s, sel, BuildSetPacketMasks(mask0, mask1));
}
void SetSelfSurveyParameters(PacketSender& s, int sel, const SelfSurveyParameters& params) {
  SendCommand(s, sel, BuildSetSelfSurveyParameters(params));
}

}  // namespace navbin::commands

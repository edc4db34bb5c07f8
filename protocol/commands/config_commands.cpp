#include "protocol/commands/config_commands.h"

#include "protocol/commands/send_command.h"

namespace navbin::commands {
namespace {

// The settings command of record `R`: its id, then the bytes its table lays out.
template <settings::Record R>
CommandPacket BuildSettings(const R& record) {
  constexpr settings::Layout layout = settings::Table<R>::layout;
  CommandPacket p{layout.commandId};
  if (std::uint8_t* body = p.extend(layout.commandLength)) {
    settings::Encode(record, {body, layout.commandLength});
  }
  return p;
}

}  // namespace

CommandPacket BuildSaveToFlash() {
  return {0x8E, 0x26};
}
CommandPacket BuildSetIoOptions(const IoOptions& o) {
  return BuildSettings(o);
}
CommandPacket BuildSetSensitivityMode(const Sensitivity& mode) {
  return BuildSettings(mode);
}
CommandPacket BuildSetFilterConfiguration(const Filters& filters) {
  return BuildSettings(filters);
}
CommandPacket BuildSetNavTxtConfiguration(const NavTxt& c) {
  return BuildSettings(c);
}
CommandPacket BuildSetGpsConfiguration(const GpsConfiguration& c) {
  return BuildSettings(c);
}
CommandPacket BuildSetSerialPortConfiguration(const SerialPort& c) {
  return BuildSettings(c);
}
CommandPacket BuildSetDatum(const Datum& datum) {
  return BuildSettings(datum);
}
CommandPacket BuildSetPpsCharacteristics(const PpsCharacteristics& pps) {
  return BuildSettings(pps);
}
CommandPacket BuildSetPpsOutput(const PpsOutput& output) {
  return BuildSettings(output);
}
CommandPacket BuildSetPacketMasks(const PacketMasks& masks) {
  return BuildSettings(masks);
}
CommandPacket BuildSetSelfSurveyParameters(const SelfSurvey& s) {
  return BuildSettings(s);
}

void SaveToFlash(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildSaveToFlash());
}
void SetIoOptions(PacketSender& s, int sel, const IoOptions& options) {
  SendCommand(s, sel, BuildSetIoOptions(options));
  s.armLogTrigger(sel);
}
void SetSensitivityMode(PacketSender& s, int sel, const Sensitivity& mode) {
  SendCommand(s, sel, BuildSetSensitivityMode(mode));
}
void SetFilterConfiguration(PacketSender& s, int sel, const Filters& filters) {
  SendCommand(s, sel, BuildSetFilterConfiguration(filters));
}
void SetNavTxtConfiguration(PacketSender& s, int sel, const NavTxt& config) {
  SendCommand(s, sel, BuildSetNavTxtConfiguration(config));
}
void SetGpsConfiguration(PacketSender& s, int sel, const GpsConfiguration& config) {
  SendCommand(s, sel, BuildSetGpsConfiguration(config));
}
void SetSerialPortConfiguration(PacketSender& s, int sel, const SerialPort& config) {
  SendCommand(s, sel, BuildSetSerialPortConfiguration(config));
}
void SetDatum(PacketSender& s, int sel, const Datum& datum) {
  SendCommand(s, sel, BuildSetDatum(datum));
}
void SetPpsCharacteristics(PacketSender& s, int sel, const PpsCharacteristics& pps) {
  SendCommand(s, sel, BuildSetPpsCharacteristics(pps));
}
void SetPpsOutput(PacketSender& s, int sel, const PpsOutput& output) {
  SendCommand(s, sel, BuildSetPpsOutput(output));
}
void SetPacketMasks(PacketSender& s, int sel, const PacketMasks& masks) {
  SendCommand(s, sel, BuildSetPacketMasks(masks));
}
void SetSelfSurveyParameters(PacketSender& s, int sel, const SelfSurvey& params) {
  SendCommand(s, sel, BuildSetSelfSurveyParameters(params));
}

}  // namespace navbin::commands

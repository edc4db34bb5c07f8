#include "protocol/commands/query_commands.h"

#include "protocol/commands/send_command.h"

namespace navbin::commands {

CommandPacket BuildRequestVersion() {
  return {0x1F};
}
CommandPacket BuildRequestGpsTime() {
  return {0x21};
}
CommandPacket BuildRequestSatelliteSelection() {
  return {0x24};
}
CommandPacket BuildRequestReceiverHealth() {
  return {0x26};
}
CommandPacket BuildRequestIoOptions() {
  return {0x35};
}
CommandPacket BuildRequestTrackingStatus() {
  return {0x3C, 0x00};
}
CommandPacket BuildRequestDgpsMode() {
  return {0x62, 0x04};
}
CommandPacket BuildRequestSensitivityMode() {
  return {0x69};
}
CommandPacket BuildRequestFilterConfiguration() {
  return {0x70};
}
CommandPacket BuildRequestNavTxtConfiguration() {
  return {0x7E};
}
CommandPacket BuildRequestGpsConfiguration() {
  return {0xBB, 0x03};
}
CommandPacket BuildRequestDatum() {
  return {0x8E, 0x15};
}
CommandPacket BuildRequestPpsCharacteristics() {
  return {0x8E, 0x4A};
}
CommandPacket BuildRequestPpsOutput() {
  return {0x8E, 0x4E};
}
CommandPacket BuildRequestPacketMasks() {
  return {0x8E, 0xA5};
}
CommandPacket BuildRequestSelfSurveyParameters() {
  return {0x8E, 0xA9};
}
CommandPacket BuildRequestSerialPortConfiguration(std::uint8_t receiverPort) {
  return {0xBC, receiverPort};
}

void RequestVersion(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestVersion());
}
void RequestGpsTime(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestGpsTime());
}
void RequestSatelliteSelection(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestSatelliteSelection());
}
void RequestReceiverHealth(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestReceiverHealth());
}
void RequestIoOptions(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestIoOptions());
}
void RequestTrackingStatus(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestTrackingStatus());
}
void RequestDgpsMode(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestDgpsMode());
}
void RequestSensitivityMode(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestSensitivityMode());
}
void RequestFilterConfiguration(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestFilterConfiguration());
}
void RequestNavTxtConfiguration(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestNavTxtConfiguration());
}
void RequestGpsConfiguration(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestGpsConfiguration());
}
void RequestDatum(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestDatum());
}
void RequestPpsCharacteristics(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestPpsCharacteristics());
}
void RequestPpsOutput(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestPpsOutput());
}
void RequestPacketMasks(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestPacketMasks());
}
void RequestSelfSurveyParameters(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRequestSelfSurveyParameters());
}
void RequestSerialPortConfiguration(PacketSender& s, int sel, std::uint8_t receiverPort) {
  SendCommand(s, sel, BuildRequestSerialPortConfiguration(receiverPort));
}

void RequestIdentification(PacketSender& s, int sel) {
  RequestDgpsMode(s, sel);
  RequestIoOptions(s, sel);
  RequestDatum(s, sel);
  RequestGpsTime(s, sel);
}

}  // namespace navbin::commands

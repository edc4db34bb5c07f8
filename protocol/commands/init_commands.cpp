#include "protocol/commands/init_commands.h"

#include "protocol/commands/send_command.h"

namespace navbin::commands {
namespace {

CommandPacket ThreeSingles(std::uint8_t id, float a, float b, float c) {
  CommandPacket p{id};
  p.pushSingle(a);
  p.pushSingle(b);
  p.pushSingle(c);
  return p;
}

}  // namespace

CommandPacket BuildSoftReset() {
  return {0x25};
}
CommandPacket BuildColdReset() {
  return {0x1E, 0x4B};
}
CommandPacket BuildReset(std::uint8_t mode) {
  return {0x1E, mode};
}
CommandPacket BuildRestartSelfSurvey() {
  return {0x8E, 0xA6, 0x00};
}
CommandPacket BuildClearStoredPosition() {
  return {0x8E, 0xA6, 0x01};
}

CommandPacket BuildSetInitialPositionXyz(float x, float y, float z) {
  return ThreeSingles(0x23, x, y, z);
}
CommandPacket BuildSetInitialPositionLla(float latitude, float longitude, float altitude) {
  return ThreeSingles(0x2B, latitude, longitude, altitude);
}
CommandPacket BuildSetGpsTime(float timeOfWeek, std::uint16_t week) {
  CommandPacket p{0x2E};
  p.pushSingle(timeOfWeek);
  p.pushU16(week);
  return p;
}
CommandPacket BuildSetAccuratePositionXyz(float x, float y, float z) {
  return ThreeSingles(0x31, x, y, z);
}
CommandPacket BuildSetAccuratePositionLla(float latitude, float longitude, float altitude) {
  return ThreeSingles(0x32, latitude, longitude, altitude);
}

void SoftReset(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildSoftReset());
}
void ColdReset(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildColdReset());
}
void Reset(PacketSender& s, int sel, std::uint8_t mode) {
  SendCommand(s, sel, BuildReset(mode));
}
void RestartSelfSurvey(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildRestartSelfSurvey());
}
void ClearStoredPosition(PacketSender& s, int sel) {
  SendCommand(s, sel, BuildClearStoredPosition());
}
void SetInitialPositionXyz(PacketSender& s, int sel, float x, float y, float z) {
  SendCommand(s, sel, BuildSetInitialPositionXyz(x, y, z));
}
void SetInitialPositionLla(PacketSender& s, int sel, float latitude, float longitude,
                           float altitude) {
  SendCommand(s, sel, BuildSetInitialPositionLla(latitude, longitude, altitude));
}
void SetGpsTime(PacketSender& s, int sel, float timeOfWeek, std::uint16_t week) {
  SendCommand(s, sel, BuildSetGpsTime(timeOfWeek, week));
}
void SetAccuratePositionXyz(PacketSender& s, int sel, float x, float y, float z) {
  SendCommand(s, sel, BuildSetAccuratePositionXyz(x, y, z));
}
void SetAccuratePositionLla(PacketSender& s, int sel, float latitude, float longitude,
                            float altitude) {
  SendCommand(s, sel, BuildSetAccuratePositionLla(latitude, longitude, altitude));
}

}  // namespace navbin::commands

#pragma once
// Resets and initialisation: restarting the receiver, clearing its memory and
// giving it a starting position or time.

#include <cstdint>

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"

namespace navbin::commands {

// Reset mode that clears battery-backed memory and restores factory settings.
inline constexpr std::uint8_t kFactoryResetMode = 0x46;

CommandPacket BuildSoftReset();               // 25
CommandPacket BuildColdReset();               // 1E 4B
CommandPacket BuildReset(std::uint8_t mode);  // 1E mode (factory reset: 0x46)
CommandPacket BuildRestartSelfSurvey();       // 8E A6 00
CommandPacket BuildClearStoredPosition();     // 8E A6 01
// 23 X Y Z: singles, metres, ECEF.
CommandPacket BuildSetInitialPositionXyz(float x, float y, float z);
// 2B latitude longitude altitude: singles, radians and metres.
CommandPacket BuildSetInitialPositionLla(float latitude, float longitude, float altitude);
// 2E time of week (single, seconds) and GPS week (u16).
CommandPacket BuildSetGpsTime(float timeOfWeek, std::uint16_t week);
// 31 X Y Z, as 0x23.
CommandPacket BuildSetAccuratePositionXyz(float x, float y, float z);
// 32 latitude longitude altitude, as 0x2B.
CommandPacket BuildSetAccuratePositionLla(float latitude, float longitude, float altitude);

void SoftReset(PacketSender& sender, int selector);
void ColdReset(PacketSender& sender, int selector);
void Reset(PacketSender& sender, int selector, std::uint8_t mode);
void RestartSelfSurvey(PacketSender& sender, int selector);
void ClearStoredPosition(PacketSender& sender, int selector);
void SetInitialPositionXyz(PacketSender& sender, int selector, float x, float y, float z);
void SetInitialPositionLla(PacketSender& sender, int selector, float latitude, float longitude,
                           float altitude);
void SetGpsTime(PacketSender& sender, int selector, float timeOfWeek, std::uint16_t week);
void SetAccuratePositionXyz(PacketSender& sender, int selector, float x, float y, float z);
void SetAccuratePositionLla(PacketSender& sender, int selector, float latitude, float longitude,
                            float altitude);

}  // namespace navbin::commands

#pragma once
// Hands a built command to the send path.

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"

namespace navbin::commands {

inline void SendCommand(PacketSender& sender, int selector, const CommandPacket& packet) {
  sender.SendPacket(selector, packet.size(), packet.data());
}

}  // namespace navbin::commands

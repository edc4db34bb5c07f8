#pragma once
// Any packet typed by the user: the id and its data, unframed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"

namespace navbin::commands {

// Bytes of the longest generic command, id included.
inline constexpr std::size_t kMaxGenericCommandLength = 128;

// The bytes as they are; nothing for an empty packet or one over 128 bytes.
std::optional<CommandPacket> BuildGenericCommand(std::span<const std::uint8_t> bytes);

// Sends 1 to 128 bytes, the first being the id; false, and nothing sent, otherwise.
bool SendGenericCommand(PacketSender& sender, int selector, std::span<const std::uint8_t> bytes);

}  // namespace navbin::commands

#include "protocol/commands/generic_command.h"

#include "protocol/commands/send_command.h"

namespace navbin::commands {

std::optional<CommandPacket> BuildGenericCommand(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > kMaxGenericCommandLength) return std::nullopt;
  CommandPacket p;
  for (std::uint8_t b : bytes) p.push(b);
  return p;
}

bool SendGenericCommand(PacketSender& s, int sel, std::span<const std::uint8_t> bytes) {
  const auto packet = BuildGenericCommand(bytes);
  if (!packet) return false;
  SendCommand(s, sel, *packet);
  return true;
}

}  // namespace navbin::commands

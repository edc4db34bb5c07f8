#include "protocol/commands/timing_commands.h"

#include "protocol/commands/send_command.h"

namespace navbin::commands {

CommandPacket BuildRequestTimingPacketAB(TimingRequestWhen when) {
  return {0x8E, 0xAB, static_cast<std::uint8_t>(when)};
}
CommandPacket BuildRequestTimingPacketAC(TimingRequestWhen when) {
  return {0x8E, 0xAC, static_cast<std::uint8_t>(when)};
}

void RequestTimingPacketAB(PacketSender& s, int sel, TimingRequestWhen when) {
  SendCommand(s, sel, BuildRequestTimingPacketAB(when));
}
void RequestTimingPacketAC(PacketSender& s, int sel, TimingRequestWhen when) {
  SendCommand(s, sel, BuildRequestTimingPacketAC(when));
}

}  // namespace navbin::commands

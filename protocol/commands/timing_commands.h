#pragma once
// Requests for the timing super-packets 0x8F-AB and 0x8F-AC.

#include <cstdint>

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"

namespace navbin::commands {

// When the receiver is to send the timing packet.
enum class TimingRequestWhen : std::uint8_t {
  Immediately = 0,
  NextSecond = 1,
  BothNextSecond = 2,  // "Both Packets, Next Second"
};

CommandPacket BuildRequestTimingPacketAB(TimingRequestWhen when);  // 8E AB when
CommandPacket BuildRequestTimingPacketAC(TimingRequestWhen when);  // 8E AC when

void RequestTimingPacketAB(PacketSender& sender, int selector, TimingRequestWhen when);
void RequestTimingPacketAC(PacketSender& sender, int selector, TimingRequestWhen when);

}  // namespace navbin::commands

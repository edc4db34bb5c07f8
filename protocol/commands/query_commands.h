#pragma once
// The queries: commands that ask the receiver for a report and carry no data
// beyond their id (and sub-code). Each Build function returns the packet;
// the function of the command's own name sends it to `selector`.

#include <cstdint>

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"

namespace navbin::commands {

CommandPacket BuildRequestVersion();               // 1F, answered by 0x45
CommandPacket BuildRequestGpsTime();               // 21, answered by 0x41
CommandPacket BuildRequestSatelliteSelection();    // 24, answered by 0x6D
CommandPacket BuildRequestReceiverHealth();        // 26, answered by 0x46 and 0x4B
CommandPacket BuildRequestIoOptions();             // 35, answered by 0x55
CommandPacket BuildRequestTrackingStatus();        // 3C 00 (all satellites), answered by 0x5C
CommandPacket BuildRequestDgpsMode();              // 62 04, answered by 0x82
CommandPacket BuildRequestSensitivityMode();       // 69, answered by 0x89
CommandPacket BuildRequestFilterConfiguration();   // 70, answered by 0x70
CommandPacket BuildRequestNavTxtConfiguration();   // 7E, answered by 0x7F
CommandPacket BuildRequestGpsConfiguration();      // BB 03, answered by 0xBB
CommandPacket BuildRequestDatum();                 // 8E 15, answered by 0x8F-15
CommandPacket BuildRequestPpsCharacteristics();    // 8E 4A, answered by 0x8F-4A
CommandPacket BuildRequestPpsOutput();             // 8E 4E, answered by 0x8F-4E
CommandPacket BuildRequestPacketMasks();           // 8E A5, answered by 0x8F-A5
CommandPacket BuildRequestSelfSurveyParameters();  // 8E A9, answered by 0x8F-A9
// BC and the receiver port (0 or 1), answered by 0xBC.
CommandPacket BuildRequestSerialPortConfiguration(std::uint8_t receiverPort);

void RequestVersion(PacketSender& sender, int selector);
void RequestGpsTime(PacketSender& sender, int selector);
void RequestSatelliteSelection(PacketSender& sender, int selector);
void RequestReceiverHealth(PacketSender& sender, int selector);
void RequestIoOptions(PacketSender& sender, int selector);
void RequestTrackingStatus(PacketSender& sender, int selector);
void RequestDgpsMode(PacketSender& sender, int selector);
void RequestSensitivityMode(PacketSender& sender, int selector);
void RequestFilterConfiguration(PacketSender& sender, int selector);
void RequestNavTxtConfiguration(PacketSender& sender, int selector);
void RequestGpsConfiguration(PacketSender& sender, int selector);
void RequestDatum(PacketSender& sender, int selector);
void RequestPpsCharacteristics(PacketSender& sender, int selector);
void RequestPpsOutput(PacketSender& sender, int selector);
void RequestPacketMasks(PacketSender& sender, int selector);
void RequestSelfSurveyParameters(PacketSender& sender, int selector);
void RequestSerialPortConfiguration(PacketSender& sender, int selector, std::uint8_t receiverPort);

// The settings queries that follow a port's identification: Request DGPS
// mode, I/O options, datum and GPS time, in this order.
void RequestIdentification(PacketSender& sender, int selector);

}  // namespace navbin::commands

#pragma once
// The satellite-data exchange (0x38) used by the almanac and ephemeris
// transfers: one request or one load per satellite and data type.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"

namespace navbin::commands {

// Most data bytes one load carries: its length field is one byte.
inline constexpr std::size_t kMaxSatelliteDataLength = 255;

// 38 01 type sv: asks for one record, answered by 0x58.
CommandPacket BuildRequestSatelliteData(std::uint8_t dataType, std::uint8_t satellite);
// 38 02 type sv n data...: nothing when the data is longer than 255 bytes.
std::optional<CommandPacket> BuildLoadSatelliteData(std::uint8_t dataType, std::uint8_t satellite,
                                                    std::span<const std::uint8_t> data);

void RequestSatelliteData(PacketSender& sender, int selector, std::uint8_t dataType,
                          std::uint8_t satellite);
// False, and nothing sent, when the data is longer than 255 bytes.
bool LoadSatelliteData(PacketSender& sender, int selector, std::uint8_t dataType,
                       std::uint8_t satellite, std::span<const std::uint8_t> data);

}  // namespace navbin::commands

#include "protocol/commands/satellite_data_commands.h"

#include "protocol/commands/send_command.h"

namespace navbin::commands {

CommandPacket BuildRequestSatelliteData(std::uint8_t dataType, std::uint8_t satellite) {
  return {0x38, 0x01, dataType, satellite};
}

std::optional<CommandPacket> BuildLoadSatelliteData(std::uint8_t dataType, std::uint8_t satellite,
                                                    std::span<const std::uint8_t> data) {
  if (data.size() > kMaxSatelliteDataLength) return std::nullopt;
  CommandPacket p{0x38, 0x02, dataType, satellite, static_cast<std::uint8_t>(data.size())};
  for (std::uint8_t b : data) p.push(b);
  return p;
}

void RequestSatelliteData(PacketSender& s, int sel, std::uint8_t dataType, std::uint8_t satellite) {
  SendCommand(s, sel, BuildRequestSatelliteData(dataType, satellite));
}

bool LoadSatelliteData(PacketSender& s, int sel, std::uint8_t dataType, std::uint8_t satellite,
                       std::span<const std::uint8_t> data) {
  const auto packet = BuildLoadSatelliteData(dataType, satellite, data);
  if (!packet) return false;
  SendCommand(s, sel, *packet);
  return true;
}

}  // namespace navbin::commands

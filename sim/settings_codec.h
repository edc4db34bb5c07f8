#pragma once
// The configuration reports a receiver sends about its settings, and the
// parsing of the set commands that change them. An Apply function returns
// false, changing nothing, when the command's payload has the wrong length
// or an impossible value. Payloads start after the id; for 0x8E commands the
// sub-id is byte 0.

#include <array>
#include <cstdint>
#include <span>

#include "sim/packet_writer.h"
#include "sim/receiver_settings.h"

namespace navbin::sim {

using Payload = std::span<const std::uint8_t>;

Packet IoOptionsReport(const IoOptions& io);  // 0x55
bool ApplyIoOptions(IoOptions& io, Payload p);

Packet DatumReport(std::uint16_t datumIndex);  // 0x8F-15
bool ApplyDatum(std::uint16_t& datumIndex, Payload p);

Packet GpsConfigReport(const GpsConfig& gps);  // 0xBB
bool ApplyGpsConfig(GpsConfig& gps, Payload p);

Packet SerialConfigReport(std::uint8_t port, const SerialConfig& config);  // 0xBC
// `arrivalPort` is the receiver port the command came in on (for port 0xFF).
bool ApplySerialConfig(std::array<SerialConfig, 2>& ports, Payload p, std::uint8_t arrivalPort);

Packet PpsCharacteristicsReport(const PpsCharacteristics& pps);  // 0x8F-4A
bool ApplyPpsCharacteristics(PpsCharacteristics& pps, Payload p);

Packet PpsOutputReport(std::uint8_t code);  // 0x8F-4E
bool ApplyPpsOutput(std::uint8_t& code, Payload p);

Packet PacketMasksReport(const std::array<std::uint8_t, 2>& masks);  // 0x8F-A5
bool ApplyPacketMasks(std::array<std::uint8_t, 2>& masks, Payload p);

Packet SelfSurveyReport(const SelfSurvey& survey);  // 0x8F-A9
bool ApplySelfSurvey(SelfSurvey& survey, Payload p);

Packet FilterReport(const FilterConfig& filter);  // 0x70
bool ApplyFilter(FilterConfig& filter, Payload p);

Packet SensitivityReport(const SensitivityMode& mode);  // 0x89
bool ApplySensitivity(SensitivityMode& mode, Payload p);

Packet NavTxtReport(const NavTxtConfig& navTxt);  // 0x7F
bool ApplyNavTxt(NavTxtConfig& navTxt, Payload p);

Packet SavedToFlashReport();  // 0x8F-26

}  // namespace navbin::sim

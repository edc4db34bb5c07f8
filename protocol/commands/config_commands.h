#pragma once
// Settings commands: writing the receiver's configuration groups and saving
// them to its flash memory.

#include <cstdint>

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"
#include "protocol/settings/datum.h"
#include "protocol/settings/filters.h"
#include "protocol/settings/gps_configuration.h"
#include "protocol/settings/io_options.h"
#include "protocol/settings/navtxt.h"
#include "protocol/settings/packet_masks.h"
#include "protocol/settings/pps_characteristics.h"
#include "protocol/settings/pps_output.h"
#include "protocol/settings/self_survey.h"
#include "protocol/settings/sensitivity.h"
#include "protocol/settings/serial_port.h"

namespace navbin::commands {

using settings::Datum;
using settings::Filters;
using settings::GpsConfiguration;
using settings::IoOptions;
using settings::kArrivalPort;
using settings::NavTxt;
using settings::PacketMasks;
using settings::PpsCharacteristics;
using settings::PpsOutput;
using settings::SelfSurvey;
using settings::Sensitivity;
using settings::SerialPort;

CommandPacket BuildSaveToFlash();                           // 8E 26
CommandPacket BuildSetIoOptions(const IoOptions& options);  // 35 and four option bytes
// 69 mode FF: the sensitivity mode after the next reset (0 off, 1 on).
CommandPacket BuildSetSensitivityMode(const Sensitivity& mode);
// 70 pv static altitude 00: each filter 0 or 1.
CommandPacket BuildSetFilterConfiguration(const Filters& filters);
CommandPacket BuildSetNavTxtConfiguration(const NavTxt& config);          // 7E 00, 25 bytes
CommandPacket BuildSetGpsConfiguration(const GpsConfiguration& config);   // BB 03, 41 bytes
CommandPacket BuildSetSerialPortConfiguration(const SerialPort& config);  // BC, 11 bytes
CommandPacket BuildSetDatum(const Datum& datum);                          // 8E 15 index
CommandPacket BuildSetPpsCharacteristics(const PpsCharacteristics& pps);  // 8E 4A, 17 bytes
// 8E 4E code: 2 always, 3 with one satellite tracked, 4 with three.
CommandPacket BuildSetPpsOutput(const PpsOutput& output);
CommandPacket BuildSetPacketMasks(const PacketMasks& masks);           // 8E A5 m0 m1 00 00
CommandPacket BuildSetSelfSurveyParameters(const SelfSurvey& params);  // 8E A9, 12 bytes

void SaveToFlash(PacketSender& sender, int selector);
// Also arms the data-log trigger of the addressed port.
void SetIoOptions(PacketSender& sender, int selector, const IoOptions& options);
void SetSensitivityMode(PacketSender& sender, int selector, const Sensitivity& mode);
void SetFilterConfiguration(PacketSender& sender, int selector, const Filters& filters);
void SetNavTxtConfiguration(PacketSender& sender, int selector, const NavTxt& config);
void SetGpsConfiguration(PacketSender& sender, int selector, const GpsConfiguration& config);
void SetSerialPortConfiguration(PacketSender& sender, int selector, const SerialPort& config);
void SetDatum(PacketSender& sender, int selector, const Datum& datum);
void SetPpsCharacteristics(PacketSender& sender, int selector, const PpsCharacteristics& pps);
void SetPpsOutput(PacketSender& sender, int selector, const PpsOutput& output);
void SetPacketMasks(PacketSender& sender, int selector, const PacketMasks& masks);
void SetSelfSurveyParameters(PacketSender& sender, int selector, const SelfSurvey& params);

}  // namespace navbin::commands

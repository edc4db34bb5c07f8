#pragma once
// Settings commands: writing the receiver's configuration groups and saving
// them to its flash memory.

#include <array>
#include <cstdint>

#include "protocol/commands/command_packet.h"
#include "protocol/commands/packet_sender.h"

namespace navbin::commands {

struct IoOptions {
  std::uint8_t position = 0;
  std::uint8_t velocity = 0;
  std::uint8_t timing = 0;
  std::uint8_t fourth = 0;  // the I/O options dialog always sends 0
};

struct GpsConfiguration {
  std::uint8_t receiverMode = 0;  // list indices
  std::uint8_t dgpsMode = 0;
  std::uint8_t dynamicsCode = 0;
  float elevationMask = 0;    // radians
  float signalLevelMask = 0;  // AMU
  float pdopMask = 0;
  float pdopSwitch = 0;
  std::uint8_t dgpsAgeLimit = 0;  // seconds
};

// Receiver serial codes, as in LineSettings; the protocol masks are bit sets.
struct SerialPortConfiguration {
  std::uint8_t receiverPort = 0;  // 0, 1, or kArrivalPort
  std::uint8_t baudCode = 7;      // sent as both input and output baud code
  std::uint8_t dataBitsCode = 3;
  std::uint8_t parityCode = 1;
  std::uint8_t stopBitsCode = 0;
  std::uint8_t inputProtocolMask = 2;
  std::uint8_t outputProtocolMask = 2;
};
// Receiver port number meaning "the port this command arrives on".
inline constexpr std::uint8_t kArrivalPort = 0xFF;

struct NavTxtConfiguration {
  std::uint8_t reportingFlags = 0;
  std::uint16_t topOfHourOffset = 0;
  std::array<std::uint16_t, 8> periods{};   // AL, CP, ID, LN, PV, ST, TM, VR
  std::array<std::uint8_t, 4> vehicleId{};  // characters, zero-padded
};

struct PpsCharacteristics {
  std::uint8_t driverSwitch = 0;  // list indices: 0 disabled, 1 enabled
  std::uint8_t timeBase = 0;
  std::uint8_t polarity = 0;
  double offset = 0;                   // seconds
  float biasUncertaintyThreshold = 0;  // metres
};

struct SelfSurveyParameters {
  std::uint8_t enable = 0;    // 0 or 1
  std::uint8_t autoSave = 0;  // 0 or 1
  std::uint32_t surveyLength = 0;
};

CommandPacket BuildSaveToFlash();                           // 8E 26
CommandPacket BuildSetIoOptions(const IoOptions& options);  // 35 and four option bytes
// 69 mode FF: the sensitivity mode after the next reset (0 off, 1 on).
CommandPacket BuildSetSensitivityMode(std::uint8_t mode);
// 70 pv static altitude 00: each filter 0 or 1.
CommandPacket BuildSetFilterConfiguration(std::uint8_t positionVelocity, std::uint8_t staticFilter,
                                          std::uint8_t altitude);
CommandPacket BuildSetNavTxtConfiguration(const NavTxtConfiguration& config);  // 7E 00, 25 bytes
CommandPacket BuildSetGpsConfiguration(const GpsConfiguration& config);        // BB 03, 41 bytes
CommandPacket BuildSetSerialPortConfiguration(const SerialPortConfiguration& config);  // BC, 11
CommandPacket BuildSetDatum(std::uint16_t datumIndex);                    // 8E 15 index
CommandPacket BuildSetPpsCharacteristics(const PpsCharacteristics& pps);  // 8E 4A, 17 bytes
// 8E 4E code: 2 always, 3 with one satellite tracked, 4 with three.
CommandPacket BuildSetPpsOutput(std::uint8_t outputCode);
CommandPacket BuildSetPacketMasks(std::uint8_t mask0, std::uint8_t mask1);  // 8E A5 m0 m1 00 00
CommandPacket BuildSetSelfSurveyParameters(const SelfSurveyParameters& params);  // 8E A9, 12 bytes

void SaveToFlash(PacketSender& sender, int selector);
// Also arms the data-log trigger of the addressed port.
void SetIoOptions(PacketSender& sender, int selector, const IoOptions& options);
void SetSensitivityMode(PacketSender& sender, int selector, std::uint8_t mode);
void SetFilterConfiguration(PacketSender& sender, int selector, std::uint8_t positionVelocity,
                            std::uint8_t staticFilter, std::uint8_t altitude);
void SetNavTxtConfiguration(PacketSender& sender, int selector, const NavTxtConfiguration& config);
void SetGpsConfiguration(PacketSender& sender, int selector, const GpsConfiguration& config);
void SetSerialPortConfiguration(PacketSender& sender, int selector,
                                const SerialPortConfiguration& config);
void SetDatum(PacketSender& sender, int selector, std::uint16_t datumIndex);
void SetPpsCharacteristics(PacketSender& sender, int selector, const PpsCharacteristics& pps);
void SetPpsOutput(PacketSender& sender, int selector, std::uint8_t outputCode);
void SetPacketMasks(PacketSender& sender, int selector, std::uint8_t mask0, std::uint8_t mask1);
void SetSelfSurveyParameters(PacketSender& sender, int selector,
                             const SelfSurveyParameters& params);

}  // namespace navbin::commands

#pragma once
// The report decoders. Each takes the packet in the port's frame buffer,
// ignores it unless its payload has the report's exact length, stores what it
// decodes in the port's ReceiverState and, for the display port only, writes
// the windows.

#include <cstdint>

#include "link/port_context.h"
#include "protocol/reports/dispatcher.h"

namespace navbin::reports {

using Decoder = void (*)(DecoderContext& context, link::PortContext& port);

// Position, velocity and time.
void decodeGpsTime(DecoderContext& context, link::PortContext& port);            // 0x41
void decodeXyzPosition(DecoderContext& context, link::PortContext& port);        // 0x42
void decodeXyzVelocity(DecoderContext& context, link::PortContext& port);        // 0x43
void decodeLlaPosition(DecoderContext& context, link::PortContext& port);        // 0x4A
void decodeEnuVelocity(DecoderContext& context, link::PortContext& port);        // 0x56
void decodeDoubleXyzPosition(DecoderContext& context, link::PortContext& port);  // 0x83
void decodeDoubleLlaPosition(DecoderContext& context, link::PortContext& port);  // 0x84

// Satellites, health and status.
void decodeVersion(DecoderContext& context, link::PortContext& port);         // 0x45
void decodeHealth(DecoderContext& context, link::PortContext& port);          // 0x46
void decodeMachineStatus(DecoderContext& context, link::PortContext& port);   // 0x4B
void decodeTrackingStatus(DecoderContext& context, link::PortContext& port);  // 0x5C
void decodeFixMode(DecoderContext& context, link::PortContext& port);         // 0x6D
void decodeDgpsMode(DecoderContext& context, link::PortContext& port);        // 0x82

// Payload lengths.
inline constexpr std::uint32_t kGpsTimeLength = 10;
inline constexpr std::uint32_t kXyzPositionLength = 16;
inline constexpr std::uint32_t kVelocityLength = 20;
inline constexpr std::uint32_t kLlaPositionLength = 20;
inline constexpr std::uint32_t kDoublePositionLength = 36;
inline constexpr std::uint32_t kVersionLength = 10;
inline constexpr std::uint32_t kHealthLength = 2;
inline constexpr std::uint32_t kMachineStatusLength = 3;
inline constexpr std::uint32_t kTrackingStatusLength = 24;
inline constexpr std::uint32_t kFixModeMinLength = 17;
inline constexpr std::uint32_t kDgpsModeLength = 1;

}  // namespace navbin::reports

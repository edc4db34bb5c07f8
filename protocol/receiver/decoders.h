#pragma once
// The report decoders. Each parses the packet in the port's frame buffer with
// its report's parser (report_<name>.h), ignores it when the parser refuses
// the payload, stores what it decodes in the port's ReceiverState and, for the
// display port only, writes the windows.

#include <algorithm>
#include <cstdint>
#include <span>

#include "link/port_context.h"
#include "protocol/receiver/dispatcher.h"

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

// Timing super-packets (display port only).
void decodePrimaryTiming(DecoderContext& context, link::PortContext& port);       // 0x8F-AB
void decodeSupplementalTiming(DecoderContext& context, link::PortContext& port);  // 0x8F-AC

// The payload of the port's last complete packet, for a report's parser.
inline std::span<const std::uint8_t> PacketPayload(const link::PortContext& port) {
  return {port.payload(), std::min<std::size_t>(port.packetLen, port.frameBuffer.size())};
}

}  // namespace navbin::reports

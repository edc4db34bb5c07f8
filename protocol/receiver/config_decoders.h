#pragma once
// The decoders of the configuration reports: each parses its report (wrong
// lengths are ignored), keeps it in the port's ReceiverState and writes the
// controls of the dialog that shows it, whether that dialog is visible or not.

#include "link/port_context.h"
#include "protocol/receiver/dispatcher.h"

namespace navbin::reports {

// Display port only.
void decodeSetTimeReply(DecoderContext& context, link::PortContext& port);  // 0x4E
void decodeIoOptions(DecoderContext& context, link::PortContext& port);     // 0x55
void decodeFilter(DecoderContext& context, link::PortContext& port);        // 0x70
void decodeSensitivity(DecoderContext& context, link::PortContext& port);   // 0x89
void decodeGpsConfig(DecoderContext& context, link::PortContext& port);     // 0xBB
void decodeSerialConfig(DecoderContext& context, link::PortContext& port);  // 0xBC
void decodeDatum(DecoderContext& context, link::PortContext& port);         // 0x8F-15
void decodePpsOutput(DecoderContext& context, link::PortContext& port);     // 0x8F-4E
void decodePacketMasks(DecoderContext& context, link::PortContext& port);   // 0x8F-A5
void decodeSelfSurvey(DecoderContext& context, link::PortContext& port);    // 0x8F-A9
// Every monitored port.
void decodeNavTxtConfig(DecoderContext& context, link::PortContext& port);        // 0x7F
void decodeSavedToFlash(DecoderContext& context, link::PortContext& port);        // 0x8F-26
void decodePpsCharacteristics(DecoderContext& context, link::PortContext& port);  // 0x8F-4A

}  // namespace navbin::reports

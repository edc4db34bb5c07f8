#pragma once
// The receiver's serial codes (baud, data bits, parity, stop bits): their
// values for the PC port and their texts in the serial settings panel.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/port_context.h"

namespace navbin::commands {

// Bits per second of a baud code (0 and 7 both 9600); 0 for an unknown code.
std::uint32_t BaudRateOfCode(int code);
// Data bits 5..8 of codes 0..3; 0 for an unknown code.
int DataBitsOfCode(int code);
// Parity for the channel (0 none, 1 odd, 2 even); -1 for an unknown code.
int ParityOfCode(int code);
// Stop bits for the channel (0 one, 2 two); -1 for an unknown code.
int StopBitsOfCode(int code);

// How long a frame of `frameBytes` bytes needs to leave a port set to `line`,
// with a margin; the PC side must not change speed before that.
std::chrono::milliseconds FrameDrainTime(const link::LineSettings& line, std::size_t frameBytes);

// Texts of the codes: "0000" for baud code 0, the decimal rate otherwise;
// "5".."8"; "N", "O", "E"; "1", "2". Unknown codes give "?".
std::string_view BaudText(int code);
std::string_view DataBitsText(int code);
std::string_view ParityText(int code);
std::string_view StopBitsText(int code);

// "COM%d %s, %s-%s-%s": the serial settings panel after a display-port switch.
std::string SerialSettingsText(int com, const link::LineSettings& line);
// "COM%d: 9600: 8-O-1": the panel when the identification countdown resets the line.
std::string IdentifiedSerialText(int com);

}  // namespace navbin::commands

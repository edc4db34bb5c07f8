#pragma once
// Texts of the receiver's status, DGPS and receiver-mode codes, for the
// field tables and the windows alike.

#include <string>

namespace navbin::reports {

// Receiver status of report 0x46 byte 0 (also used by the timing super-packet):
// the table covers 0x00 to 0x10; any other code shows "Invalid Status".
std::string StatusText(int code);

// DGPS mode of report 0x82: the table covers 0 to 3; any other mode shows
// "Unknown (%d)" with the mode.
std::string DgpsModeText(int mode);

// Receiver mode of 0x8F-AC byte 1: 0 to 7, "Invalid Mode" for any other.
std::string ReceiverModeText(int mode);

}  // namespace navbin::reports

#pragma once
// Texts of the timing super-packets: receiver modes, month names and the
// degrees-minutes-seconds angles of the timing window.

#include <string>

namespace navbin::reports {

// Receiver mode of 0x8F-AC byte 1: 0 to 7, "Invalid Mode" for any other.
std::string ReceiverModeText(int mode);

// Three-letter month name for 1 to 12; "???" for any other month (0, or above
// 12 from a faulty receiver), so a bad byte never reads past the table.
std::string MonthText(int month);

// An angle in radians as "-28° 38' 52.402": whole degrees signed, then
// minutes and seconds from single-precision steps. An angle between -1 and 0
// degrees shows "-0" so that it keeps its sign. NaN and infinities show as
// printf prints them.
std::string TimingAngleText(double radians);

}  // namespace navbin::reports

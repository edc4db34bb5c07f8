#pragma once
// Texts of the timing super-packets: receiver modes and the
// degrees-minutes-seconds angles of the timing window.

#include <string>

namespace navbin::reports {

// Receiver mode of 0x8F-AC byte 1: 0 to 7, "Invalid Mode" for any other.
std::string ReceiverModeText(int mode);

// An angle in radians as "-28° 38' 52.402": whole degrees signed, then
// minutes and seconds from single-precision steps. An angle between -1 and 0
// degrees shows "-0" so that it keeps its sign. NaN and infinities show as
// printf prints them.
std::string TimingAngleText(double radians);

}  // namespace navbin::reports

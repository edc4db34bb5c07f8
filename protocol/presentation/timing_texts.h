#pragma once
// The degrees-minutes-seconds angles of the timing window.

#include <string>

namespace navbin::reports {

// An angle in radians as "-28° 38' 52.402": whole degrees signed, then
// minutes and seconds from single-precision steps. An angle between -1 and 0
// degrees shows "-0" so that it keeps its sign. NaN and infinities show as
// printf prints them.
std::string TimingAngleText(double radians);

}  // namespace navbin::reports

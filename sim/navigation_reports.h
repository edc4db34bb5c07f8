#pragma once
// Position, velocity and time reports of one fix, in the layouts the I/O
// options select.

#include <vector>

#include "sim/geodesy.h"
#include "sim/gps_time.h"
#include "sim/packet_writer.h"
#include "sim/receiver_settings.h"

namespace navbin::sim {

struct NavigationFix {
  Lla position;                // altitude above the ellipsoid
  double geoidSeparation = 0;  // subtracted from the altitude for MSL output
  Enu velocity;                // m/s
  double clockBias = 0;        // m
  double biasRate = 0;         // m/s
  double timeOfFix = 0;        // s of week, in the time scale the I/O options select
};

Packet GpsTimeReport(const GpsTime& t, float utcOffset);  // 0x41

Packet PositionLlaSingle(const NavigationFix& fix, bool msl);  // 0x4A
Packet PositionLlaDouble(const NavigationFix& fix, bool msl);  // 0x84
Packet PositionXyzSingle(const NavigationFix& fix);            // 0x42
Packet PositionXyzDouble(const NavigationFix& fix);            // 0x83
Packet VelocityEnu(const NavigationFix& fix);                  // 0x56
Packet VelocityXyz(const NavigationFix& fix);                  // 0x43

// The once-a-second reports the I/O options select: position (LLA when bit 1
// of the position byte is set, XYZ when it is clear or bit 0 asks for it too;
// double precision with bit 4), then velocity (ENU with bit 1 of the velocity
// byte, XYZ when it is clear or bit 0 asks for it too).
std::vector<Packet> FixReports(const NavigationFix& fix, const IoOptions& io);

}  // namespace navbin::sim

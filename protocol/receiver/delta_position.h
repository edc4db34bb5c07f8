#pragma once
// The change-in-position display: north and east metres from a reference fix.

#include "protocol/presentation/display.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::reports {

struct DeltaScales {
  double latitudeScale = 0;   // m per rad
  double longitudeScale = 0;  // m per rad
};

// Metres per radian of latitude and longitude at a latitude (rad), on WGS-84.
DeltaScales DeltaScalesAt(double latitude);

// Takes the first fix after a reset as the reference (a NaN or infinite fix is
// never taken); (latitude, longitude) in radians.
void takeDeltaReference(ReportGlobals& globals, double latitude, double longitude);
// Takes the reference, then shows the deltas of (latitude, longitude) in
// Panel_DeltaLat and Panel_DeltaLon. Without a reference they show "nan".
void showDeltaPosition(ReportGlobals& globals, Display& display, double latitude, double longitude);

}  // namespace navbin::reports

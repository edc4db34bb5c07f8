#pragma once
// Display steps the position reports share.

#include <string>

#include "protocol/presentation/display.h"

namespace navbin::reports {

// Panel_Time (time of week with the day name) and Panel_TOW ("%.2f").
void showTimeOfFix(Display& display, float timeOfFix);
// Panel_Bias "%.2f" of the bias in ns on the window colour; the data log's
// bias column becomes available again.
void showClockBias(Display& display, double biasNanoseconds);
// A report without bias: the bias column cannot be logged (and is unchecked
// while logging is off) and Panel_Bias keeps its value on the button face.
void markClockBiasStale(Display& display, bool dataLogOn);
struct SignedLatLon {
  double latitude;   // degrees, north positive
  double longitude;  // degrees, east positive
};

// Latitude and longitude as degrees, minutes and hemisphere letters; returns
// both angles signed again from their hemisphere letters.
SignedLatLon showLatLon(Display& display, double latitudeDegrees, double longitudeDegrees);

}  // namespace navbin::reports

#pragma once
// The three layouts of the main window's position, timing and velocity area.

#include "protocol/presentation/display.h"

namespace navbin::reports {

enum DisplayMode { kModeLla = 0, kModeEcef = 1, kModeTiming = 2 };

// Shows the layout of `mode` (0 LLA, 1 ECEF, 2 timing); other values do nothing.
void setDisplayMode(Display& display, int mode);

}  // namespace navbin::reports

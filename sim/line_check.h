#pragma once
// Whether the two ends of a pseudo-terminal line agree: the receiver's line
// settings against those the monitor set on the terminal. On a real line a
// disagreement garbles every byte; the simulator then sends nothing.

#include "sim/receiver_settings.h"

namespace navbin::sim {

// True when the terminal `fd` (either end of the pseudo-terminal) is set to
// the baud rate, data bits, parity and stop bits of `line`; false also when
// the settings cannot be read.
bool LineAgrees(const SerialConfig& line, int fd);

}  // namespace navbin::sim

#pragma once
// What the position reports do for the data log: trigger records in
// report-paced mode, and warn once per port when a monitored port's position
// report carries no clock bias while the bias column is chosen.

#include <cstdint>

#include "link/port_context.h"
#include "protocol/reports/dispatcher.h"

namespace navbin::reports {

// Report-paced data logging for report `own` (0x42, 0x4A, 0x83 or 0x84) of a
// monitored port: the first report kind after a start claims the port and only
// it writes records; a trigger of 1 (after an I/O options command) lets the
// next report of any kind write one and frees the port.
void positionLogTrigger(DecoderContext& context, link::PortContext& port, std::uint8_t own);

// "Port %d monitored but not outputting bias." once per monitored port while
// the data log window's CheckBox_Bias is checked.
void missingBiasWarning(DecoderContext& context, link::PortContext& port);

}  // namespace navbin::reports

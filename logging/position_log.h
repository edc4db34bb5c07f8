#pragma once
// What the position reports do for the data log: trigger records in
// report-paced mode, and warn once per port when a monitored port's position
// report carries no clock bias while the bias column is chosen.

#include <cstdint>

#include "link/port_context.h"
#include "logging/data_log_link.h"
#include "protocol/receiver/dispatcher.h"

namespace navbin::logging {

// Report-paced data logging for report `own` (0x42, 0x4A, 0x83 or 0x84) of a
// monitored port: the first report kind after a start claims the port and only
// it writes records; a trigger of 1 (after an I/O options command) lets the
// next report of any kind write one and frees the port.
void positionLogTrigger(reports::DecoderContext& context, DataLogLink& log, link::PortContext& port,
                        std::uint8_t own);

// "Port %d monitored but not outputting bias." once per monitored port while
// the data log window's CheckBox_Bias is checked.
void missingBiasWarning(reports::DecoderContext& context, DataLogLink& log,
                        link::PortContext& port);

// The data log's steps of the position reports, in this order for each packet:
// once stored, 0x42 warns of the missing bias, 0x4A clears the port's timer
// offset, and each of 0x42, 0x4A, 0x83, 0x84 triggers its record; once shown,
// 0x42 marks the bias column stale.
void AddPositionLogSteps(reports::ReportDispatcher& dispatcher, DataLogLink& log);

}  // namespace navbin::logging

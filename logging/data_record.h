#pragma once
// One data-log record as text: the chosen data sets of a port's receiver
// state in record order, every value followed by one space, then "\n".

#include <string>

#include "logging/data_sets.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::logging {

// Appends the record to `line` (any length). The signal-level capture of
// `receiver` is re-armed between the signal levels and the LLA position,
// whether or not the levels are chosen.
void AppendDataRecord(std::string& line, reports::ReceiverState& receiver, const DataSets& sets);

// After a record, or on a record request while logging is off: the next 0x5C
// of each channel restarts the weakest-level capture.
void RearmSignalLevels(reports::ReceiverState& receiver);

// The record as Panel_Data shows it: spaces become "/", the last separator
// and the newline are dropped.
std::string StatusCopy(const std::string& line);

// now - then in seconds of the week; a negative difference (week rollover)
// has one week added.
float elapsedSeconds(float now, float then);

}  // namespace navbin::logging

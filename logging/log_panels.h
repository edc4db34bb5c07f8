#pragma once
// The main window's logging panels, which both logs set: Panel_Record names
// the logs that run, Panel_LogStatus shows the data log.

#include <string>
#include <string_view>

#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"

namespace navbin::logging {

inline constexpr std::string_view kLogStatusHint =
    "Data Logging: Active when green; Logged that second when yellow;";
inline constexpr std::string_view kRecordHint =
    "Logging Status;  Either Off, Data, NavBin, or NavBin/Data.";

// "Off", "Data", "NavBin" or "NavBin/Data".
std::string_view RecordText(bool dataLogOn, bool rawLogOn);
void ShowRecordState(reports::Display& display, bool dataLogOn, bool rawLogOn);

// The lamp and label of a log window: lime "On" or grey "Off".
void ShowOnOff(reports::Display& display, reports::Form form, bool on);

// Longest file name a log accepts.
inline constexpr std::size_t kMaxFileName = 127;
// "File name longer than 127 characters:\n<name>", caption "Error".
void RefuseLongFileName(reports::Prompter& prompter, const std::string& name);

}  // namespace navbin::logging

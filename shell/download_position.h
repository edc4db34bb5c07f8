#pragma once
// "Download Position": the next position report of the display port after the
// menu entry is written to a one-line position file the user chooses.

#include <string>

#include "protocol/receiver/dispatcher.h"

namespace navbin::shell {

// The file line of report `id` (0x42, 0x83: type 1 and X, Y, Z; 0x4A, 0x84:
// type 0 and latitude, longitude in signed degrees, altitude); empty for other ids.
std::string PositionFileLine(int id, double a, double b, double c);
// The success message shown after the file is written; empty for other ids.
std::string PositionDownloadMessage(int id, double a, double b, double c);

// Does nothing unless downloadPositionPending is set; otherwise clears it,
// refuses a position the file cannot hold (not finite, beyond the float
// range), asks for the file, writes the line of report `id` and tells how it went.
void downloadPosition(reports::DecoderContext& context, int id, double a, double b, double c);

// After each shown position report (0x42, 0x4A, 0x83, 0x84): the download of
// its values as shown.
void AddPositionDownloadSteps(reports::ReportDispatcher& dispatcher);

}  // namespace navbin::shell

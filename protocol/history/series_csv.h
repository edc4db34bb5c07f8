#pragma once
// The time series of a port as CSV: a header row, then one row per point,
// oldest first.

#include <ostream>
#include <string>

#include "protocol/history/report_history.h"

namespace navbin::reports {

inline constexpr const char* kSeriesCsvHeader =
    "time_of_week_s,gps_time_of_day,clock_bias_ns,bias_rate_ppb,pdop,hdop,svs_used";

void WriteSeriesCsv(std::ostream& out, const BoundedRing<SeriesPoint>& series);
// Writes the file whole; 0 on success, -1 when it cannot be written.
int SaveSeriesCsv(const std::string& path, const BoundedRing<SeriesPoint>& series);

}  // namespace navbin::reports

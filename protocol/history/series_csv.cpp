#include "protocol/history/series_csv.h"

#include <cmath>
#include <fstream>

#include "protocol/history/chart_geometry.h"
#include "protocol/presentation/format.h"

namespace navbin::reports {
namespace {

// Enough digits to read back the value that was stored; an empty field for a
// value that is not a number.
std::string Field(double value, const char* format) {
  return std::isfinite(value) ? Format(format, value) : std::string();
}

}  // namespace

void WriteSeriesCsv(std::ostream& out, const BoundedRing<SeriesPoint>& series) {
  out << kSeriesCsvHeader << '\n';
  for (std::size_t i = 0; i < series.size(); ++i) {
    const SeriesPoint& p = series[i];
    out << Field(p.timeOfFix, "%.9g") << ',' << TimeOfDayText(p.timeOfFix) << ','
        << Field(p.clockBias, "%.17g") << ',' << Field(p.biasRate, "%.9g") << ','
        << Field(p.pdop, "%.9g") << ',' << Field(p.hdop, "%.9g") << ','
        << static_cast<int>(p.svsUsed) << '\n';
  }
}

int SaveSeriesCsv(const std::string& path, const BoundedRing<SeriesPoint>& series) {
  std::ofstream out(path, std::ios::out | std::ios::trunc);
  if (!out) return -1;
  WriteSeriesCsv(out, series);
  out.flush();
  return out ? 0 : -1;
}

}  // namespace navbin::reports

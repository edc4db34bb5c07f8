// Report 0x45, software version (display port only).

#include "protocol/wire/report_version.h"

#include "protocol/wire/report_fields.h"

namespace navbin::reports {

std::optional<VersionReport> ParseVersion(std::span<const std::uint8_t> payload) {
  if (payload.size() != 10) return std::nullopt;
  const std::uint8_t* b = payload.data();
  return VersionReport{b[0], b[1], b[2], b[3], b[4] + 2000, b[5], b[6], b[7], b[8], b[9] + 2000};
}

void Describe(const VersionReport& r, FieldSink& out) {
  out.field("major", r.major);
  out.field("minor", r.minor);
  out.field("month", r.month);
  out.field("day", r.day);
  out.field("year", r.year);
  out.field("signalMajor", r.signalMajor);
  out.field("signalMinor", r.signalMinor);
  out.field("signalMonth", r.signalMonth);
  out.field("signalDay", r.signalDay);
  out.field("signalYear", r.signalYear);
}

}  // namespace navbin::reports

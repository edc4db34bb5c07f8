// Report 0x41, GPS time (display port only).

#include "protocol/reports/report_gps_time.h"

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"
#include "protocol/reports/report_fields.h"
#include "protocol/reports/time_functions.h"

namespace navbin::reports {

std::optional<GpsTimeReport> ParseGpsTime(std::span<const std::uint8_t> payload) {
  if (payload.size() != 10) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return GpsTimeReport{link::GetSingle(p), link::GetU16(p + 4), link::GetSingle(p + 6)};
}

void Describe(const GpsTimeReport& r, FieldSink& out) {
  out.field("timeOfWeek", r.timeOfWeek, "s");
  out.field("week", r.week);
  out.field("utcOffset", r.utcOffset, "s");
}

void decodeGpsTime(DecoderContext& context, link::PortContext& port) {
  if (!context.isDisplayPort(port)) return;
  const auto report = ParseGpsTime(PacketPayload(port));
  if (!report) return;
  auto& globals = context.state.globals;

  context.display.setText(Form::Main, names::Panel_Week, Format("%d", report->week));
  globals.gpsTime = report->week * kSecondsPerWeek + static_cast<double>(report->timeOfWeek);
  showGpsDate(context.display, Form::Main, names::Panel_Date, globals.gpsTime);
  // Cleared before the box a clock request may show, so the reports that
  // arrive while it is open do not stack more boxes.
  if (globals.setClockPending) {
    globals.setClockPending = 0;
    setPcClock(context, report->utcOffset);
  }
}

}  // namespace navbin::reports

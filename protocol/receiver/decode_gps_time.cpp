// Decoder of report 0x41, GPS time (display port only).

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/time_functions.h"
#include "protocol/receiver/decoders.h"
#include "protocol/wire/report_gps_time.h"

namespace navbin::reports {

void decodeGpsTime(DecoderContext& context, link::PortContext& port) {
  if (!context.isDisplayPort(port)) return;
  const auto report = ParseGpsTime(PacketPayload(port));
  if (!report) return;
  auto& globals = context.state.globals;

  context.display.setText(Form::Main, names::Panel_Week, Format("%d", report->week));
  globals.gpsTime = report->week * kSecondsPerWeek + static_cast<double>(report->timeOfWeek);
  showGpsDate(context.display, Form::Main, names::Panel_Date, globals.gpsTime);
  context.reached(ReportPoint::Shown, port, {.id = 0x41, .utcOffset = report->utcOffset});
}

}  // namespace navbin::reports

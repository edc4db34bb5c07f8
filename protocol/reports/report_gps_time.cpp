// Report 0x41, GPS time (display port only).

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"
#include "protocol/reports/time_functions.h"

namespace navbin::reports {

void decodeGpsTime(DecoderContext& context, link::PortContext& port) {
  if (port.packetLen != kGpsTimeLength || !context.isDisplayPort(port)) return;
  const std::uint8_t* p = port.payload();
  const float timeOfWeek = link::GetSingle(p);
  const int week = link::GetU16(p + 4);
  const float utcOffset = link::GetSingle(p + 6);
  auto& globals = context.state.globals;

  context.display.setText(Form::Main, names::Panel_Week, Format("%d", week));
  globals.gpsTime = week * kSecondsPerWeek + static_cast<double>(timeOfWeek);
  showGpsDate(context.display, Form::Main, names::Panel_Date, globals.gpsTime);
  // Cleared before the box a clock request may show, so the reports that
  // arrive while it is open do not stack more boxes.
  if (globals.setClockPending) {
    globals.setClockPending = 0;
    setPcClock(context, utcOffset);
  }
}

}  // namespace navbin::reports

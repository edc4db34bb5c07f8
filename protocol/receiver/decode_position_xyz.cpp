// Decoder of reports 0x42 and 0x83, XYZ ECEF position in single and double precision.

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/display_mode.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/position_display.h"
#include "protocol/receiver/decoders.h"
#include "protocol/wire/report_position_xyz.h"

namespace navbin::reports {

namespace {

void StoreXyz(DecoderContext& context, link::PortContext& port, double x, double y, double z,
              float timeOfFix) {
  PositionFix& position = context.receiver(port).position;
  position.x = x;
  position.y = y;
  position.z = z;
  position.timeOfFix = timeOfFix;
}

void ShowXyz(Display& display, const char* hint, double x, double y, double z, float timeOfFix) {
  display.setHint(Form::Main, names::Panel_Position, hint);
  display.setText(Form::Main, names::Panel_X, Format("%.2f", x));
  display.setText(Form::Main, names::Panel_Y, Format("%.2f", y));
  display.setText(Form::Main, names::Panel_Alt_Z, Format("%.2f", z));
  showTimeOfFix(display, timeOfFix);
  setDisplayMode(display, kModeEcef);
}

}  // namespace

void decodeXyzPosition(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseXyzPosition(PacketPayload(port));
  if (!report) return;
  const auto [x, y, z, timeOfFix] = *report;
  StoreXyz(context, port, x, y, z, timeOfFix);

  context.reached(ReportPoint::Stored, port, {.id = 0x42});
  if (!context.shows(port)) return;

  ShowXyz(context.display, "Position: Packet 42", x, y, z, timeOfFix);
  context.reached(ReportPoint::Shown, port, {.id = 0x42, .a = x, .b = y, .c = z});
}

void decodeDoubleXyzPosition(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseDoubleXyzPosition(PacketPayload(port));
  if (!report) return;
  const auto [x, y, z, clockBias, timeOfFix] = *report;
  const double bias = MetresToNanoseconds(clockBias);
  StoreXyz(context, port, x, y, z, timeOfFix);
  context.receiver(port).position.clockBias = bias;

  context.reached(ReportPoint::Stored, port, {.id = 0x83});
  if (!context.shows(port)) return;

  ShowXyz(context.display, "Double Precision Position: Packet 83", x, y, z, timeOfFix);
  showClockBias(context.display, bias);
  context.reached(ReportPoint::Shown, port, {.id = 0x83, .a = x, .b = y, .c = z});
}

}  // namespace navbin::reports

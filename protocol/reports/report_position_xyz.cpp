// Reports 0x42 and 0x83, XYZ ECEF position in single and double precision.

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/display_mode.h"
#include "protocol/reports/download_position.h"
#include "protocol/reports/format.h"
#include "protocol/reports/position_display.h"
#include "protocol/reports/position_log.h"

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
  if (port.packetLen != kXyzPositionLength) return;
  const std::uint8_t* p = port.payload();
  const float x = link::GetSingle(p);
  const float y = link::GetSingle(p + 4);
  const float z = link::GetSingle(p + 8);
  const float timeOfFix = link::GetSingle(p + 12);
  StoreXyz(context, port, x, y, z, timeOfFix);

  missingBiasWarning(context, port);
  positionLogTrigger(context, port, 0x42);
  if (!context.isDisplayPort(port)) return;

  ShowXyz(context.display, "Position: Packet 42", x, y, z, timeOfFix);
  markClockBiasStale(context.display, context.dataLog.dataLogOn != 0);
  downloadPosition(context, 0x42, x, y, z);
}

void decodeDoubleXyzPosition(DecoderContext& context, link::PortContext& port) {
  if (port.packetLen != kDoublePositionLength) return;
  const std::uint8_t* p = port.payload();
  const double x = link::GetDouble(p);
  const double y = link::GetDouble(p + 8);
  const double z = link::GetDouble(p + 16);
  const double bias = MetresToNanoseconds(link::GetDouble(p + 24));
  const float timeOfFix = link::GetSingle(p + 32);
  StoreXyz(context, port, x, y, z, timeOfFix);
  context.receiver(port).position.clockBias = bias;

  positionLogTrigger(context, port, 0x83);
  if (!context.isDisplayPort(port)) return;

  ShowXyz(context.display, "Double Precision Position: Packet 83", x, y, z, timeOfFix);
  showClockBias(context.display, bias);
  downloadPosition(context, 0x83, x, y, z);
}

}  // namespace navbin::reports

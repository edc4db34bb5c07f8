// Reports 0x4A and 0x84, LLA position in single and double precision.

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/delta_position.h"
#include "protocol/reports/display_mode.h"
#include "protocol/reports/download_position.h"
#include "protocol/reports/format.h"
#include "protocol/reports/position_display.h"
#include "protocol/reports/position_log.h"

namespace navbin::reports {
namespace {

struct LlaFix {
  double latitude;   // rad
  double longitude;  // rad
  double altitude;   // m
  double bias;       // ns
  float timeOfFix;
};

void StoreLla(DecoderContext& context, link::PortContext& port, const LlaFix& fix) {
  PositionFix& position = context.receiver(port).position;
  position.latitude = fix.latitude * kDegreesPerRadian;
  position.longitude = fix.longitude * kDegreesPerRadian;
  position.altitude = fix.altitude;
  position.clockBias = fix.bias;
  position.timeOfFix = fix.timeOfFix;
}

// latitude and longitude in degrees, as split for the panels.
SignedLatLon ShowLla(Display& display, const char* hint, double latitude, double longitude,
                     const LlaFix& fix) {
  display.setHint(Form::Main, names::Panel_Position, hint);
  const SignedLatLon shown = showLatLon(display, latitude, longitude);
  display.setText(Form::Main, names::Panel_Alt_Z, Format("%.1f", fix.altitude));
  showTimeOfFix(display, fix.timeOfFix);
  return shown;
}

}  // namespace

void decodeLlaPosition(DecoderContext& context, link::PortContext& port) {
  if (port.packetLen != kLlaPositionLength) return;
  const std::uint8_t* p = port.payload();
  const LlaFix fix{link::GetSingle(p), link::GetSingle(p + 4), link::GetSingle(p + 8),
                   MetresToNanoseconds(link::GetSingle(p + 12)), link::GetSingle(p + 16)};
  StoreLla(context, port, fix);
  context.dataLog.timerOffset[port.portIndex % link::kPortCount] = 0;
  positionLogTrigger(context, port, 0x4A);
  if (!context.isDisplayPort(port)) return;

  // The single-precision report is split after rounding the degrees to single.
  const double latitude = static_cast<float>(fix.latitude * kDegreesPerRadian);
  const double longitude = static_cast<float>(fix.longitude * kDegreesPerRadian);
  Display& display = context.display;
  const SignedLatLon shown = ShowLla(display, "Position: Packet 4A", latitude, longitude, fix);
  setDisplayMode(display, kModeLla);
  showDeltaPosition(context.state.globals, display, fix.latitude, fix.longitude);
  showClockBias(display, fix.bias);
  downloadPosition(context, 0x4A, shown.latitude, shown.longitude, fix.altitude);
}

void decodeDoubleLlaPosition(DecoderContext& context, link::PortContext& port) {
  if (port.packetLen != kDoublePositionLength) return;
  const std::uint8_t* p = port.payload();
  const LlaFix fix{link::GetDouble(p), link::GetDouble(p + 8), link::GetDouble(p + 16),
                   MetresToNanoseconds(link::GetDouble(p + 24)), link::GetSingle(p + 32)};
  StoreLla(context, port, fix);
  positionLogTrigger(context, port, 0x84);
  if (!context.isDisplayPort(port)) return;

  const double latitude = fix.latitude * kDegreesPerRadian;
  const double longitude = fix.longitude * kDegreesPerRadian;
  Display& display = context.display;
  const SignedLatLon shown =
      ShowLla(display, "Double Precision Position: Packet 84", latitude, longitude, fix);
  showDeltaPosition(context.state.globals, display, fix.latitude, fix.longitude);
  setDisplayMode(display, kModeLla);
  showClockBias(display, fix.bias);
  downloadPosition(context, 0x84, shown.latitude, shown.longitude, fix.altitude);
}

}  // namespace navbin::reports

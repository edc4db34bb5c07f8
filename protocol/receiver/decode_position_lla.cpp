// Decoder of reports 0x4A and 0x84, LLA position in single and double precision.

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/display_mode.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/position_display.h"
#include "protocol/receiver/decoders.h"
#include "protocol/receiver/delta_position.h"
#include "protocol/wire/report_position_lla.h"

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
  const auto report = ParseLlaPosition(PacketPayload(port));
  if (!report) return;
  const LlaFix fix{report->latitude, report->longitude, report->altitude,
                   MetresToNanoseconds(report->clockBias), report->timeOfFix};
  StoreLla(context, port, fix);
  context.reached(ReportPoint::Stored, port, {.id = 0x4A});
  if (!context.isDisplayPort(port)) return;
  if (!context.shows(port)) {  // the delta panels' reference is kept all the same
    takeDeltaReference(context.state.globals, fix.latitude, fix.longitude);
    return;
  }

  // The single-precision report is split after rounding the degrees to single.
  const double latitude = static_cast<float>(fix.latitude * kDegreesPerRadian);
  const double longitude = static_cast<float>(fix.longitude * kDegreesPerRadian);
  Display& display = context.display;
  const SignedLatLon shown = ShowLla(display, "Position: Packet 4A", latitude, longitude, fix);
  setDisplayMode(display, kModeLla);
  showDeltaPosition(context.state.globals, display, fix.latitude, fix.longitude);
  showClockBias(display, fix.bias);
  context.reached(ReportPoint::Shown, port,
                  {.id = 0x4A, .a = shown.latitude, .b = shown.longitude, .c = fix.altitude});
}

void decodeDoubleLlaPosition(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseDoubleLlaPosition(PacketPayload(port));
  if (!report) return;
  const LlaFix fix{report->latitude, report->longitude, report->altitude,
                   MetresToNanoseconds(report->clockBias), report->timeOfFix};
  StoreLla(context, port, fix);
  context.reached(ReportPoint::Stored, port, {.id = 0x84});
  if (!context.isDisplayPort(port)) return;
  if (!context.shows(port)) {  // the delta panels' reference is kept all the same
    takeDeltaReference(context.state.globals, fix.latitude, fix.longitude);
    return;
  }

  const double latitude = fix.latitude * kDegreesPerRadian;
  const double longitude = fix.longitude * kDegreesPerRadian;
  Display& display = context.display;
  const SignedLatLon shown =
      ShowLla(display, "Double Precision Position: Packet 84", latitude, longitude, fix);
  showDeltaPosition(context.state.globals, display, fix.latitude, fix.longitude);
  setDisplayMode(display, kModeLla);
  showClockBias(display, fix.bias);
  context.reached(ReportPoint::Shown, port,
                  {.id = 0x84, .a = shown.latitude, .b = shown.longitude, .c = fix.altitude});
}

}  // namespace navbin::reports

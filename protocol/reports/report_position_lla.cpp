// Reports 0x4A and 0x84, LLA position in single and double precision.

#include "protocol/reports/report_position_lla.h"

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/delta_position.h"
#include "protocol/reports/display_mode.h"
#include "protocol/reports/download_position.h"
#include "protocol/reports/format.h"
#include "protocol/reports/position_display.h"
#include "protocol/reports/position_log.h"
#include "protocol/reports/report_fields.h"

namespace navbin::reports {

std::optional<LlaPositionReport> ParseLlaPosition(std::span<const std::uint8_t> payload) {
  if (payload.size() != 20) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return LlaPositionReport{link::GetSingle(p), link::GetSingle(p + 4), link::GetSingle(p + 8),
                           link::GetSingle(p + 12), link::GetSingle(p + 16)};
}

std::optional<DoubleLlaPositionReport> ParseDoubleLlaPosition(
    std::span<const std::uint8_t> payload) {
  if (payload.size() != 36) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return DoubleLlaPositionReport{link::GetDouble(p), link::GetDouble(p + 8),
                                 link::GetDouble(p + 16), link::GetDouble(p + 24),
                                 link::GetSingle(p + 32)};
}

namespace {

// Both precisions as the display and the dump use them: degrees and ns.
template <typename Report>
void DescribeLla(const Report& r, FieldSink& out) {
  out.field("latitude", r.latitude * kDegreesPerRadian, "deg");
  out.field("longitude", r.longitude * kDegreesPerRadian, "deg");
  out.field("altitude", r.altitude, "m");
  out.field("clockBias", MetresToNanoseconds(r.clockBias), "ns");
  out.field("timeOfFix", r.timeOfFix, "s");
}

}  // namespace

void Describe(const LlaPositionReport& report, FieldSink& out) {
  DescribeLla(report, out);
}

void Describe(const DoubleLlaPositionReport& report, FieldSink& out) {
  DescribeLla(report, out);
}

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
  const auto report = ParseDoubleLlaPosition(PacketPayload(port));
  if (!report) return;
  const LlaFix fix{report->latitude, report->longitude, report->altitude,
                   MetresToNanoseconds(report->clockBias), report->timeOfFix};
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

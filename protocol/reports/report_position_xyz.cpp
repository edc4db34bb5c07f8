// Reports 0x42 and 0x83, XYZ ECEF position in single and double precision.

#include "protocol/reports/report_position_xyz.h"

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/display_mode.h"
#include "protocol/reports/download_position.h"
#include "protocol/reports/format.h"
#include "protocol/reports/position_display.h"
#include "protocol/reports/position_log.h"
#include "protocol/reports/report_fields.h"

namespace navbin::reports {

std::optional<XyzPositionReport> ParseXyzPosition(std::span<const std::uint8_t> payload) {
  if (payload.size() != 16) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return XyzPositionReport{link::GetSingle(p), link::GetSingle(p + 4), link::GetSingle(p + 8),
                           link::GetSingle(p + 12)};
}

std::optional<DoubleXyzPositionReport> ParseDoubleXyzPosition(
    std::span<const std::uint8_t> payload) {
  if (payload.size() != 36) return std::nullopt;
  const std::uint8_t* p = payload.data();
  return DoubleXyzPositionReport{link::GetDouble(p), link::GetDouble(p + 8),
                                 link::GetDouble(p + 16), link::GetDouble(p + 24),
                                 link::GetSingle(p + 32)};
}

void Describe(const XyzPositionReport& r, FieldSink& out) {
  out.field("x", r.x, "m");
  out.field("y", r.y, "m");
  out.field("z", r.z, "m");
  out.field("timeOfFix", r.timeOfFix, "s");
}

void Describe(const DoubleXyzPositionReport& r, FieldSink& out) {
  out.field("x", r.x, "m");
  out.field("y", r.y, "m");
  out.field("z", r.z, "m");
  out.field("clockBias", MetresToNanoseconds(r.clockBias), "ns");
  out.field("timeOfFix", r.timeOfFix, "s");
}

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

  missingBiasWarning(context, port);
  positionLogTrigger(context, port, 0x42);
  if (!context.isDisplayPort(port)) return;

  ShowXyz(context.display, "Position: Packet 42", x, y, z, timeOfFix);
  markClockBiasStale(context.display, context.dataLog.dataLogOn != 0);
  downloadPosition(context, 0x42, x, y, z);
}

void decodeDoubleXyzPosition(DecoderContext& context, link::PortContext& port) {
  const auto report = ParseDoubleXyzPosition(PacketPayload(port));
  if (!report) return;
  const auto [x, y, z, clockBias, timeOfFix] = *report;
  const double bias = MetresToNanoseconds(clockBias);
  StoreXyz(context, port, x, y, z, timeOfFix);
  context.receiver(port).position.clockBias = bias;

  positionLogTrigger(context, port, 0x83);
  if (!context.isDisplayPort(port)) return;

  ShowXyz(context.display, "Double Precision Position: Packet 83", x, y, z, timeOfFix);
  showClockBias(context.display, bias);
  downloadPosition(context, 0x83, x, y, z);
}

}  // namespace navbin::reports

// Report 0x8F-AC, supplemental timing (display port only): the timing
// window's outputs, alarms, mode, status and position, and the main window's
// timing layout, shown when the receiver is a timing clock or not fixing.

#include "protocol/reports/report_supplemental_timing.h"

#include <utility>

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/display_mode.h"
#include "protocol/reports/format.h"
#include "protocol/reports/receiver_state.h"
#include "protocol/reports/report_fields.h"
#include "protocol/reports/status_texts.h"
#include "protocol/reports/timing_texts.h"

namespace navbin::reports {
namespace {

constexpr std::uint8_t kOverdeterminedClock = 7;

// Each minor alarm bit and its light.
constexpr std::pair<int, std::string_view> kAlarmLights[] = {
    {3, names::Shape_Bit3},   {5, names::Shape_Bit5},   {6, names::Shape_Bit6},
    {7, names::Shape_Bit7},   {8, names::Shape_Bit8},   {9, names::Shape_Bit9},
    {10, names::Shape_Bit10}, {11, names::Shape_Bit11},
};

}  // namespace

std::optional<SupplementalTimingReport> ParseSupplementalTiming(
    std::span<const std::uint8_t> payload) {
  if (payload.size() != kSupplementalTimingLength) return std::nullopt;
  const std::uint8_t* p = payload.data();
  SupplementalTimingReport r;
  r.receiverMode = p[1];
  r.surveyProgress = p[3];
  r.minorAlarms = link::GetU16(p + 10);
  r.decodingStatus = p[12];
  r.clockBias = link::GetSingle(p + 16);
  r.biasRate = link::GetSingle(p + 20);
  r.latitude = link::GetDouble(p + 36);
  r.longitude = link::GetDouble(p + 44);
  r.altitude = link::GetDouble(p + 52);
  r.quantizationError = link::GetSingle(p + 60);
  r.ppsGenerated = p[64];
  return r;
}

void Describe(const SupplementalTimingReport& r, FieldSink& out) {
  out.field("receiverMode", r.receiverMode);
  out.field("mode", ReceiverModeText(r.receiverMode));
  out.field("surveyProgress", r.surveyProgress, "%");
  out.field("minorAlarms", r.minorAlarms);
  out.field("decodingStatus", r.decodingStatus);
  out.field("status", StatusText(r.decodingStatus));
  out.field("clockBias", r.clockBias, "ns");
  out.field("biasRate", r.biasRate, "ppb");
  out.field("latitude", r.latitude * kDegreesPerRadian, "deg");
  out.field("longitude", r.longitude * kDegreesPerRadian, "deg");
  out.field("altitude", r.altitude, "m");
  out.field("quantizationError", r.quantizationError, "ns");
  out.field("ppsGenerated", r.ppsGenerated);
}

void decodeSupplementalTiming(DecoderContext& context, link::PortContext& port) {
  if (!context.isDisplayPort(port)) return;
  const auto report = ParseSupplementalTiming(PacketPayload(port));
  if (!report) return;
  const SupplementalTimingReport& r = *report;
  Display& d = context.display;
  constexpr Form kTiming = Form::TimingPackets;

  d.setText(kTiming, names::Panel_SelfSurvey, Format("%d%%", r.surveyProgress));
  d.setColour(kTiming, names::Panel_SelfSurvey, Colour::Window);
  d.setText(kTiming, names::Panel_PPSOffset, Format("%.2f", static_cast<double>(r.clockBias)));
  d.setText(kTiming, names::Panel_10MHz, Format("%.2f", static_cast<double>(r.biasRate)));
  d.setText(kTiming, names::Panel_Quantization,
            Format("%.2f", static_cast<double>(r.quantizationError)));
  d.setColour(kTiming, names::Shape_PPS, r.ppsGenerated ? Colour::Lime : Colour::Yellow);
  for (const auto& [bit, light] : kAlarmLights) {
    d.setColour(kTiming, light, (r.minorAlarms >> bit) & 1 ? Colour::Yellow : Colour::Lime);
  }
  const std::string mode = ReceiverModeText(r.receiverMode);
  d.setText(kTiming, names::Panel_Mode, mode);
  d.setText(Form::Main, names::Panel_SuperReceiverMode, mode);
  d.setHint(Form::Main, names::Panel_Position, "Position: Packet 0x8F-AC");

  const std::string latitude = TimingAngleText(r.latitude);
  d.setText(kTiming, names::Panel_Latitude, latitude);
  d.setText(Form::Main, names::Panel_SuperLat, latitude);
  const std::string longitude = TimingAngleText(r.longitude);
  d.setText(kTiming, names::Panel_Longitude, longitude);
  d.setText(Form::Main, names::Panel_SuperLon, longitude);
  const std::string altitude = Format("%.1f", r.altitude);
  d.setText(kTiming, names::Panel_Altitude, altitude);
  d.setText(Form::Main, names::Panel_SuperAlt, altitude);
  d.setText(kTiming, names::Panel_Status, StatusText(r.decodingStatus));

  if (r.receiverMode == kOverdeterminedClock || r.decodingStatus != 0) {
    setDisplayMode(d, kModeTiming);
  }
}

}  // namespace navbin::reports

// Decoder of report 0x8F-AC, supplemental timing (display port only): the timing

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/display_mode.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/minor_alarms.h"
#include "protocol/presentation/timing_texts.h"
#include "protocol/receiver/decoders.h"
#include "protocol/receiver/receiver_state.h"
#include "protocol/wire/report_supplemental_timing.h"
#include "protocol/wire/status_texts.h"

namespace navbin::reports {

namespace {

constexpr std::uint8_t kOverdeterminedClock = 7;

}  // namespace

void decodeSupplementalTiming(DecoderContext& context, link::PortContext& port) {
  if (!context.shows(port)) return;
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
  for (const MinorAlarm& alarm : kMinorAlarms) {
    d.setColour(kTiming, alarm.light,
                AlarmSet(r.minorAlarms, alarm.bit) ? Colour::Yellow : Colour::Lime);
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

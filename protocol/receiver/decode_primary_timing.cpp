// Decoder of report 0x8F-AB, primary timing (display port only): the timing window's

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/time_functions.h"
#include "protocol/presentation/timing_texts.h"
#include "protocol/receiver/decoders.h"
#include "protocol/wire/report_primary_timing.h"

namespace navbin::reports {

void decodePrimaryTiming(DecoderContext& context, link::PortContext& port) {
  if (!context.shows(port)) return;
  const auto report = ParsePrimaryTiming(PacketPayload(port));
  if (!report) return;
  const PrimaryTimingReport& r = *report;
  Display& d = context.display;
  constexpr Form kTiming = Form::TimingPackets;

  const std::string tow = Format("%d", static_cast<int>(r.timeOfWeek));
  d.setText(kTiming, names::Panel_TOW, tow);
  d.setText(Form::Main, names::Panel_SuperTOW, tow);
  d.setText(kTiming, names::Panel_WeekNum, Format("%d", r.week));
  d.setText(kTiming, names::Panel_UTCOffset, Format("%d", r.utcOffset));
  const std::string time = Format("%02d:%02d:%02d", r.hours, r.minutes, r.seconds);
  d.setText(kTiming, names::Panel_Time, time);
  d.setText(Form::Main, names::Panel_SuperTime, time);
  // A month of 0 or above 12 (a faulty receiver) shows "???".
  const std::string_view month = MonthName(r.month);
  d.setText(kTiming, names::Panel_Date,
            Format("%.*s %d, %d", static_cast<int>(month.size()), month.data(), r.day, r.year));
  const char* type = r.utc() ? "UTC" : "GPS";
  d.setText(kTiming, names::Label_TimeType, type);
  d.setText(Form::Main, names::Label_SuperTimeMode, type);
}

}  // namespace navbin::reports

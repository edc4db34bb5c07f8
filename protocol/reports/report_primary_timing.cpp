// Report 0x8F-AB, primary timing (display port only): the timing window's
// time fields and the main window's timing-mode time panels.

#include "protocol/reports/report_primary_timing.h"

#include "link/field_codec.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/decoders.h"
#include "protocol/reports/format.h"
#include "protocol/reports/report_fields.h"
#include "protocol/reports/time_functions.h"
#include "protocol/reports/timing_texts.h"

namespace navbin::reports {

std::optional<PrimaryTimingReport> ParsePrimaryTiming(std::span<const std::uint8_t> payload) {
  if (payload.size() != kPrimaryTimingLength) return std::nullopt;
  const std::uint8_t* p = payload.data();
  PrimaryTimingReport r;
  r.timeOfWeek = link::GetS32(p + 1);
  r.week = link::GetU16(p + 5);
  r.utcOffset = link::GetS16(p + 7);
  r.timingFlags = p[9];
  r.seconds = p[10];
  r.minutes = p[11];
  r.hours = p[12];
  r.day = p[13];
  r.month = p[14];
  r.year = link::GetU16(p + 15);
  return r;
}

void Describe(const PrimaryTimingReport& r, FieldSink& out) {
  out.field("timeOfWeek", r.timeOfWeek, "s");
  out.field("week", r.week);
  out.field("utcOffset", r.utcOffset, "s");
  out.field("timingFlags", r.timingFlags);
  out.field("timeType", r.utc() ? "UTC" : "GPS");
  out.field("hours", r.hours);
  out.field("minutes", r.minutes);
  out.field("seconds", r.seconds);
  out.field("day", r.day);
  out.field("month", r.month);
  out.field("year", r.year);
}

void decodePrimaryTiming(DecoderContext& context, link::PortContext& port) {
  if (!context.isDisplayPort(port)) return;
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

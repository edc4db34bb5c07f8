#include "shell/pc_clock.h"

#include "platform/build_date.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/time_functions.h"

namespace navbin::shell {

using reports::Format;
using reports::Icon;
using reports::MonthName;
using reports::PcClockTime;

std::string ClockBeforeBuildText(const platform::CalendarTime& time) {
  return Format(
      "The receiver's time (%s %d, %d) is before this program was built (%s).\n\n"
      "The PC clock was not changed. The receiver may count GPS weeks modulo 1024.",
      MonthName(time.month).data(), time.day, time.year, platform::BuildDateText().c_str());
}

void setPcClock(reports::DecoderContext& context, float utcOffset) {
  const double gpsTime = context.state.globals.gpsTime;
  if (gpsTime == 0) {
    context.prompter.message("Can't set time", "GPS time is not available yet.");
    return;
  }
  // A time without a calendar date (negative, NaN, far future) cannot be set:
  // it fails like a clock that refuses the new time.
  const auto time = PcClockTime(gpsTime, utcOffset);
  if (time && platform::BeforeBuildDate(*time)) {
    context.prompter.message(ClockBeforeBuildText(*time), "Can't set time", Icon::Exclamation);
    return;
  }
  if (!time || !context.clock.setUtc(*time)) {
    context.prompter.message("Can't set time", "Time set failure.");
  }
}

void AddSetClockStep(reports::ReportDispatcher& dispatcher) {
  // Cleared before the box a clock request may show, so the reports that
  // arrive while it is open do not stack more boxes.
  dispatcher.addStep(reports::ReportPoint::Shown, 0x41,
                     [](reports::DecoderContext& context, link::PortContext&,
                        const reports::DecodedReport& report) {
                       auto& pending = context.state.globals.setClockPending;
                       if (!pending) return;
                       pending = 0;
                       setPcClock(context, report.utcOffset);
                     });
}

}  // namespace navbin::shell

#pragma once
// Setting the PC clock from GPS time when the user asked for it: the next GPS
// time report of the display port after the menu entry sets it.

#include <string>

#include "platform/system_clock.h"
#include "protocol/receiver/dispatcher.h"

namespace navbin::shell {

// The refusal shown for a receiver time before the build date.
std::string ClockBeforeBuildText(const platform::CalendarTime& time);
// Sets the PC clock from the context's gpsTime, never to a time before the
// build date; the message boxes tell of failures ("Can't set time").
void setPcClock(reports::DecoderContext& context, float utcOffset);

// After each shown GPS time report: sets the clock once while
// setClockPending is set, clearing the flag first.
void AddSetClockStep(reports::ReportDispatcher& dispatcher);

}  // namespace navbin::shell

// The time-from-PC dialog: the PC clock as GPS week and time of week.

#include <cmath>

#include "protocol/commands/init_commands.h"
#include "shell/config_dialogs.h"

namespace navbin::shell {

namespace {
constexpr double kSecondsPerWeek = 604800.0;

// Days from 1970-01-01 to the given civil date, by the Gregorian rule for any
// year (so also past 2099, where counting every fourth year as leap fails).
long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}
}  // namespace

double pcClockAsGpsSeconds(const platform::CalendarTime& utc) {
  const long long days = DaysFromCivil(utc.year, utc.month, utc.day) - DaysFromCivil(1980, 1, 6);
  return ((static_cast<double>(days) * 24 + utc.hour) * 60 + utc.minute) * 60 + utc.second;
}

GpsWeekTime SplitGpsSeconds(double seconds) {
  GpsWeekTime t;
  // The full week count since the GPS epoch, not reduced modulo 1024.
  t.week = static_cast<std::int16_t>(static_cast<long long>(std::trunc(seconds / kSecondsPerWeek)));
  t.timeOfWeek = static_cast<float>(seconds - t.week * kSecondsPerWeek);
  return t;
}

void SendPcTime(const platform::SystemClock& clock, commands::PacketSender& sender) {
  const GpsWeekTime t = SplitGpsSeconds(pcClockAsGpsSeconds(clock.nowUtc()));
  commands::SetGpsTime(sender, commands::DISPLAY_PORT, t.timeOfWeek,
                       static_cast<std::uint16_t>(t.week));
}

}  // namespace navbin::shell

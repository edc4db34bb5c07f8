#pragma once
// The minor alarm bits of the supplemental timing report (0x8F-AC offset 10):
// each bit's light in the timing window, its caption and its hint, for the
// window, its decoder and the event timeline alike.

#include <cstdint>

#include "protocol/presentation/control_names.h"

namespace navbin::reports {

struct MinorAlarm {
  int bit;
  ControlName light;
  const char* caption;
  const char* hint;
};

// In bit order (bits 3, 5 to 11).
inline constexpr MinorAlarm kMinorAlarms[] = {
    {3, names::Shape_Bit3, "Satellite Tracking", "When yellow, no satellites are usable"},
    {5, names::Shape_Bit5, "Self-Survey Activity", "When Yellow, a self-survey is in progress"},
    {6, names::Shape_Bit6, "Stored Position", "When Yellow, a stored position does not exist"},
    {7, names::Shape_Bit7, "Leap Second Pending", "When yellow, a leap second event is pending"},
    {8, names::Shape_Bit8, "Test Mode", "When yellow, the unit is in a test mode"},
    {9, names::Shape_Bit9, "Position Questionable",
     "When yellow, the position accuracy is questionable"},
    {10, names::Shape_Bit10, "EEPROM Invalid", "When yellow, invalid EEPROM segments detected"},
    {11, names::Shape_Bit11, "Almanac", "When yellow, almanac is not complete or current"},
};

inline constexpr int kSelfSurveyAlarmBit = 5;
inline constexpr int kLeapSecondAlarmBit = 7;

constexpr bool AlarmSet(std::uint16_t alarms, int bit) {
  return ((alarms >> bit) & 1) != 0;
}

}  // namespace navbin::reports

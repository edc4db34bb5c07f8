#include "protocol/history/event_timeline.h"

#include <cmath>

#include "protocol/history/chart_geometry.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/minor_alarms.h"
#include "protocol/wire/status_texts.h"

namespace navbin::reports {
namespace {

// What follows an event's text: nothing, or its detail as a name or number.
enum class Detail : std::uint8_t { None, Alarm, Mode, Status, Percent };

struct EventEntry {
  EventKind kind;
  EventLane lane;
  bool trouble;
  Detail detail;
  const char* text;
};

// Every event's row, colour and text, in the order of EventKind.
constexpr EventEntry kEvents[] = {
    {EventKind::AlarmSet, EventLane::Alarms, true, Detail::Alarm, "Alarm set: "},
    {EventKind::AlarmCleared, EventLane::Alarms, false, Detail::Alarm, "Alarm cleared: "},
    {EventKind::ModeChanged, EventLane::Mode, false, Detail::Mode, "Receiver mode: "},
    {EventKind::StatusChanged, EventLane::Mode, false, Detail::Status, "Decoding status: "},
    {EventKind::SurveyStarted, EventLane::Survey, false, Detail::Percent, "Self-survey started, "},
    {EventKind::SurveyEnded, EventLane::Survey, false, Detail::Percent, "Self-survey ended, "},
    {EventKind::PpsLost, EventLane::Pps, true, Detail::None, "PPS lost"},
    {EventKind::PpsRegained, EventLane::Pps, false, Detail::None, "PPS regained"},
    {EventKind::LeapSecondPending, EventLane::Alarms, true, Detail::None, "Leap second pending"},
    {EventKind::LeapSecondCleared, EventLane::Alarms, false, Detail::None,
     "Leap second no longer pending"},
    {EventKind::PortLost, EventLane::Port, true, Detail::None, "Port lost"},
    {EventKind::PortBack, EventLane::Port, false, Detail::None, "Port back"},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(kEvents); ++i) {
    if (static_cast<std::size_t>(kEvents[i].kind) != i) return false;
  }
  return true;
}
static_assert(InKindOrder() && std::size(kEvents) == std::size_t(EventKind::PortBack) + 1);

const EventEntry& EntryOf(EventKind kind) {
  return kEvents[static_cast<std::size_t>(kind) % std::size(kEvents)];
}

std::string AlarmCaption(int bit) {
  for (const MinorAlarm& alarm : kMinorAlarms) {
    if (alarm.bit == bit) return alarm.caption;
  }
  return Format("bit %d", bit);
}

std::string DetailText(Detail detail, int value) {
  switch (detail) {
    case Detail::Alarm:
      return AlarmCaption(value);
    case Detail::Mode:
      return ReceiverModeText(value);
    case Detail::Status:
      return StatusText(value);
    case Detail::Percent:
      return Format("%d%%", value);
    case Detail::None:
      break;
  }
  return {};
}

}  // namespace

std::string EventText(const TimelineEvent& event) {
  const EventEntry& entry = EntryOf(event.kind);
  return entry.text + DetailText(entry.detail, event.detail);
}

std::string EventHint(const TimelineEvent& event) {
  // Seconds since 1970 start at midnight, so the day's remainder is the UTC time of day.
  return TimeOfDayText(event.utc) + " UTC  " + EventText(event);
}

EventLane LaneOf(EventKind kind) {
  return EntryOf(kind).lane;
}

bool IsTrouble(const TimelineEvent& event) {
  if (event.kind == EventKind::StatusChanged) return event.detail != 0;
  return EntryOf(event.kind).trouble;
}

void EventTimeline::observe(const SupplementalTimingReport& report, double utc) {
  const TimingState now{report.receiverMode, report.decodingStatus, report.minorAlarms,
                        AlarmSet(report.minorAlarms, kSelfSurveyAlarmBit),
                        report.ppsGenerated != 0};
  if (now.mode != last_.mode) add(utc, EventKind::ModeChanged, now.mode);
  if (now.status != last_.status) add(utc, EventKind::StatusChanged, now.status);
  compareAlarms(now.alarms, utc);
  if (now.surveying != last_.surveying) {
    add(utc, now.surveying ? EventKind::SurveyStarted : EventKind::SurveyEnded,
        report.surveyProgress);
  }
  if (now.pps != last_.pps) add(utc, now.pps ? EventKind::PpsRegained : EventKind::PpsLost);
  last_ = now;
}

// The survey's bit is told by the survey's own events, the leap second's by
// its own texts.
void EventTimeline::compareAlarms(std::uint16_t alarms, double utc) {
  for (const MinorAlarm& alarm : kMinorAlarms) {
    const bool set = AlarmSet(alarms, alarm.bit);
    if (set == AlarmSet(last_.alarms, alarm.bit) || alarm.bit == kSelfSurveyAlarmBit) continue;
    if (alarm.bit == kLeapSecondAlarmBit) {
      add(utc, set ? EventKind::LeapSecondPending : EventKind::LeapSecondCleared);
    } else {
      add(utc, set ? EventKind::AlarmSet : EventKind::AlarmCleared, alarm.bit);
    }
  }
}

// An event without a date cannot be placed on the time axis.
void EventTimeline::add(double utc, EventKind kind, int detail) {
  if (std::isfinite(utc)) events_.push({utc, kind, detail});
}

}  // namespace navbin::reports

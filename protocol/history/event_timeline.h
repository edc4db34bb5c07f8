#pragma once
// A port's events for the timeline under the time series: minor alarms set
// and cleared, receiver mode and decoding status changes, self-survey started
// and ended, PPS lost and regained and a leap second pending, all from the
// supplemental timing report (0x8F-AC), and the port lost and back. Each event
// is dated in UTC seconds since 1970, as the charts' time axis; a bounded ring
// keeps the newest.

#include <cstddef>
#include <cstdint>
#include <string>

#include "protocol/history/history_ring.h"
#include "protocol/wire/report_supplemental_timing.h"

namespace navbin::reports {

enum class EventKind : std::uint8_t {
  AlarmSet,
  AlarmCleared,
  ModeChanged,
  StatusChanged,
  SurveyStarted,
  SurveyEnded,
  PpsLost,
  PpsRegained,
  LeapSecondPending,
  LeapSecondCleared,
  PortLost,
  PortBack,
};

// The rows of the timeline, top to bottom.
enum class EventLane : std::uint8_t { Alarms, Mode, Survey, Pps, Port };
inline constexpr const char* kLaneNames[] = {"Alarms", "Mode", "Survey", "PPS", "Port"};

struct TimelineEvent {
  double utc = 0;  // s since 1970
  EventKind kind = EventKind::PortLost;
  int detail = 0;  // the alarm bit, the mode or status code, the survey's percent

  bool operator==(const TimelineEvent&) const = default;
};

// "Alarm set: Almanac", "Receiver mode: Overdetermined Clock", "PPS lost", ...
std::string EventText(const TimelineEvent& event);
// The time of day in UTC and the text, for the pointer's hint.
std::string EventHint(const TimelineEvent& event);
EventLane LaneOf(EventKind kind);
// Something went wrong (an alarm set, PPS or the port lost, a decoding status
// other than doing fixes), as opposed to something that came right or just changed.
bool IsTrouble(const TimelineEvent& event);

class EventTimeline {
 public:
  static constexpr std::size_t kCapacity = 4096;

  // One 0x8F-AC report, dated `utc`: an event for every change from the
  // report before. The first report is compared with a receiver that has
  // reported nothing yet: no alarm, PPS generated, no survey, mode and
  // status unknown.
  void observe(const SupplementalTimingReport& report, double utc);
  void portLost(double utc) { add(utc, EventKind::PortLost); }
  void portBack(double utc) { add(utc, EventKind::PortBack); }

  const BoundedRing<TimelineEvent>& events() const { return events_; }
  std::size_t bytesHeld() const { return events_.bytesHeld(); }

 private:
  struct TimingState {
    int mode = -1;
    int status = -1;
    std::uint16_t alarms = 0;
    bool surveying = false;
    bool pps = true;
  };
  void add(double utc, EventKind kind, int detail = 0);
  void compareAlarms(std::uint16_t alarms, double utc);

  BoundedRing<TimelineEvent> events_{kCapacity};
  TimingState last_;
};

}  // namespace navbin::reports

#pragma once
// What each port's receiver reported lately, for pictures: the sky (the last
// 0x5C report of each channel), a bounded time series of clock bias, bias
// rate, PDOP, HDOP and satellites used, one point per second of fix time at
// most, with the week and UTC offset that date them, the PC clock's offset
// from the receiver's time and the timeline of the receiver's events. Fed by
// the dispatcher after the decoders have run, for every port whose reports
// are decoded.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "link/port_context.h"
#include "platform/system_clock.h"
#include "protocol/history/event_timeline.h"
#include "protocol/history/history_ring.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::reports {

// 24 hours at one point per second.
inline constexpr std::size_t kSeriesCapacity = 86400;

struct SeriesPoint {
  double clockBias = 0;  // ns
  float timeOfFix = 0;   // s of GPS week
  float biasRate = 0;    // ns/s (ppb)
  float pdop = 0;
  float hdop = 0;
  std::uint8_t svsUsed = 0;
};

// The last 0x5C report of one channel.
struct SkyChannel {
  bool reported = false;
  int sv = 0;
  double elevation = 0;  // degrees
  double azimuth = 0;    // degrees from true north, clockwise
  double level = 0;      // AMU
};

inline constexpr double kGpsEpochInUnixTime = 315964800;  // 1980-01-06 00:00:00 UTC

// The port's last word on its GPS week and on UTC, from its GPS time (0x41)
// and primary timing (0x8F-AB) reports, to put times of week on a calendar.
struct TimeBase {
  double gpsTime = std::numeric_limits<double>::quiet_NaN();  // s since the GPS epoch
  double utcOffset = 0;                                       // s, GPS time minus UTC

  bool known() const { return std::isfinite(gpsTime); }
  // The receiver's UTC at its last time report, s since 1970; NaN while unknown.
  double utcSeconds() const { return kGpsEpochInUnixTime + gpsTime - utcOffset; }
};

// The PC clock read as a time report was observed, against the receiver's
// UTC of that report. The report leaves the receiver some tens of ms after
// the second it names; that delay stays in the offset.
struct OffsetPoint {
  double utc = 0;     // the receiver's UTC, s since 1970
  double offset = 0;  // s, PC clock minus the receiver's UTC
};

struct PortHistory {
  std::array<SkyChannel, kChannelCount> sky{};
  TimeBase timeBase;
  BoundedRing<SeriesPoint> series{kSeriesCapacity};
  BoundedRing<OffsetPoint> pcOffset{kSeriesCapacity};
  EventTimeline timeline;
  bool lost = false;  // the port was lost and has sent no time report since
};

class ReportHistory {
 public:
  // `pcClock` dates the offset series; without one (a recording holds no
  // PC clock) the series stays empty.
  explicit ReportHistory(const platform::SystemClock* pcClock = nullptr) : pcClock_(pcClock) {}

  // The packet just decoded on `port`; `receiver` is the port's state after
  // the decoders ran.
  void observe(const link::PortContext& port, const ReceiverState& receiver);

  const PortHistory& port(std::size_t portIndex) const {
    return ports_[portIndex % link::kPortCount];
  }
  // The port's device went away: an event at its last time report, and one
  // more at its first time report once it is back.
  void portLost(std::size_t portIndex);
  // Heap and inline bytes of every port's history.
  std::size_t bytesHeld() const;

 private:
  void keepPcOffset(PortHistory& history);

  const platform::SystemClock* pcClock_;
  std::array<PortHistory, link::kPortCount> ports_{};
};

// The point a position report adds: the receiver's state at that fix.
SeriesPoint PointOf(const ReceiverState& receiver);

}  // namespace navbin::reports

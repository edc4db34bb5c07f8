#pragma once
// What each port's receiver reported lately, for pictures: the sky (the last
// 0x5C report of each channel) and a bounded time series of clock bias, bias
// rate, PDOP, HDOP and satellites used, one point per second of fix time at
// most, with the week and UTC offset that date them. Fed by the dispatcher after the decoders have
// run, for every port whose reports are decoded.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "link/port_context.h"
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

// The port's last word on its GPS week and on UTC, from its GPS time (0x41)
// and primary timing (0x8F-AB) reports, to put times of week on a calendar.
struct TimeBase {
  double gpsTime = std::numeric_limits<double>::quiet_NaN();  // s since the GPS epoch
  double utcOffset = 0;                                       // s, GPS time minus UTC

  bool known() const { return std::isfinite(gpsTime); }
};

struct PortHistory {
  std::array<SkyChannel, kChannelCount> sky{};
  TimeBase timeBase;
  BoundedRing<SeriesPoint> series{kSeriesCapacity};
};

class ReportHistory {
 public:
  // The packet just decoded on `port`; `receiver` is the port's state after
  // the decoders ran.
  void observe(const link::PortContext& port, const ReceiverState& receiver);

  const PortHistory& port(std::size_t portIndex) const {
    return ports_[portIndex % link::kPortCount];
  }
  // Heap and inline bytes of every port's history.
  std::size_t bytesHeld() const;

 private:
  std::array<PortHistory, link::kPortCount> ports_{};
};

// The point a position report adds: the receiver's state at that fix.
SeriesPoint PointOf(const ReceiverState& receiver);

}  // namespace navbin::reports

#pragma once
// What each port's receiver reported lately, for pictures: the sky (the last
// 0x5C report of each channel) and a bounded time series of clock bias, bias
// rate, PDOP, HDOP and satellites used, one point per second of fix time at
// most. Fed by the dispatcher after the decoders have run, for every port
// whose reports are decoded.

#include <array>
#include <cstddef>
#include <cstdint>

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

struct PortHistory {
  std::array<SkyChannel, kChannelCount> sky{};
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

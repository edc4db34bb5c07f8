#pragma once
// One receiver's series: its counters followed once a tick, its readings
// taken from each report as it is decoded. A satellite's series go away
// once it is no longer tracked.

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "protocol/presentation/minor_alarms.h"
#include "protocol/receiver/receiver_state.h"
#include "protocol/wire/report_supplemental_timing.h"
#include "protocol/wire/report_tracking.h"
#include "tools/metrics/metric_families.h"
#include "tools/metrics/metric_slot.h"
#include "tools/metrics/metrics_server.h"

namespace navbin::tools::metrics {

class ReceiverMetrics {
 public:
  ReceiverMetrics(MetricFamilies& families, const std::string& port, const std::string& device);

  // The packet just decoded; `receiver` is the port's state after the decoders.
  void take(int id, std::span<const std::uint8_t> payload, const reports::ReceiverState& receiver,
            SteadyTime now);
  void refresh(const PortCounts& counts, SteadyTime now);

 private:
  struct Satellite {
    Satellite(MetricFamilies& families, const prometheus::Labels& port, int sv);
    GaugeSlot level, elevation;
    SteadyTime seen;
  };

  void takeTiming(const reports::SupplementalTimingReport& report);
  void takeTracking(const reports::TrackingStatusReport& report, SteadyTime now);
  void takeStored(int id, const reports::ReceiverState& receiver);
  void takeHealth(const reports::ReceiverState& receiver, int id);
  void dropUntracked(SteadyTime now);

  MetricFamilies& families_;
  prometheus::Labels labels_;
  GaugeSlot up_, fixMode_, statusCode_, satellitesUsed_, pdop_, hdop_;
  GaugeSlot clockBias_, clockBiasRate_, quantizationError_, surveyProgress_;
  std::array<std::unique_ptr<GaugeSlot>, std::size(reports::kMinorAlarms)> alarms_;
  GaugeSlot battery_, antenna_, realTimeClock_, almanac_;
  CounterSlot reopened_, packets_, ignored_, bytes_, records_, writeErrors_;
  std::uint64_t ignoredCount_ = 0;
  bool timingReceiver_ = false;  // a 0x8F-AC came
  std::uint64_t packetsSeen_ = 0;
  SteadyTime lastPacket_{};
  std::array<int, reports::kChannelCount> channelSv_{};  // 0: none
  std::map<int, std::unique_ptr<Satellite>> satellites_;
};

}  // namespace navbin::tools::metrics

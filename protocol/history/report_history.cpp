#include "protocol/history/report_history.h"

#include <cmath>
#include <span>

#include "protocol/receiver/receiver_state.h"
#include "protocol/wire/report_gps_time.h"
#include "protocol/wire/report_position_lla.h"
#include "protocol/wire/report_position_xyz.h"
#include "protocol/wire/report_primary_timing.h"
#include "protocol/wire/report_tracking.h"

namespace navbin::reports {
namespace {

// Position reports that carry a time of fix, at their exact lengths.
bool IsPositionReport(int id, std::span<const std::uint8_t> payload) {
  switch (id) {
    case 0x42:
      return ParseXyzPosition(payload).has_value();
    case 0x4A:
      return ParseLlaPosition(payload).has_value();
    case 0x83:
      return ParseDoubleXyzPosition(payload).has_value();
    case 0x84:
      return ParseDoubleLlaPosition(payload).has_value();
    default:
      return false;
  }
}

// The channel's entry from a 0x5C report; channel numbers of 12 and more are
// dropped, as the decoder drops them.
void KeepTrackingStatus(std::array<SkyChannel, kChannelCount>& sky,
                        std::span<const std::uint8_t> payload) {
  const auto report = ParseTrackingStatus(payload);
  if (!report || report->channel >= kChannelCount) return;
  sky[report->channel] = SkyChannel{.reported = true,
                                    .sv = report->sv,
                                    .elevation = report->elevation * kDegreesPerRadian,
                                    .azimuth = report->azimuth * kDegreesPerRadian,
                                    .level = report->level};
}

// The week and UTC offset of a 0x41 or 0x8F-AB report, when it is one.
void KeepTimeBase(TimeBase& base, int id, std::span<const std::uint8_t> payload) {
  constexpr double kWeek = 604800;
  if (id == 0x41) {
    const auto r = ParseGpsTime(payload);
    if (!r || !std::isfinite(r->timeOfWeek) || !std::isfinite(r->utcOffset)) return;
    base = {r->week * kWeek + r->timeOfWeek, r->utcOffset};
  } else if (id == 0x8F && !payload.empty() && payload[0] == 0xAB) {
    const auto r = ParsePrimaryTiming(payload);
    if (r) base = {r->week * kWeek + r->timeOfWeek, double(r->utcOffset)};
  }
}

// Several position reports of one fix (0x4A and 0x42, say) make one point.
bool SameSecond(float a, float b) {
  return std::floor(a) == std::floor(b);
}

}  // namespace

SeriesPoint PointOf(const ReceiverState& receiver) {
  return {receiver.position.clockBias,
          receiver.position.timeOfFix,
          receiver.velocity.biasRate,
          receiver.pdop,
          receiver.hdop,
          static_cast<std::uint8_t>(receiver.fixMode >> 4)};
}

void ReportHistory::observe(const link::PortContext& port, const ReceiverState& receiver) {
  PortHistory& history = ports_[port.portIndex % link::kPortCount];
  const int id = port.packetId;
  KeepTimeBase(history.timeBase, id, {port.payload(), port.packetLen});
  if (id == 0x5C) {
    KeepTrackingStatus(history.sky, {port.payload(), port.packetLen});
    return;
  }
  if (!IsPositionReport(id, {port.payload(), port.packetLen})) return;
  const SeriesPoint point = PointOf(receiver);
  // A fix without a usable time cannot be placed on the time axis.
  if (!std::isfinite(point.timeOfFix)) return;
  auto& series = history.series;
  if (!series.empty() && SameSecond(series.newest().timeOfFix, point.timeOfFix)) {
    series.newest() = point;
  } else {
    series.push(point);
  }
}

std::size_t ReportHistory::bytesHeld() const {
  std::size_t bytes = sizeof(*this);
  for (const PortHistory& p : ports_) bytes += p.series.bytesHeld();
  return bytes;
}

}  // namespace navbin::reports

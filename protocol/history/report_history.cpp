#include "protocol/history/report_history.h"

#include <chrono>
#include <cmath>
#include <span>

#include "protocol/receiver/receiver_state.h"
#include "protocol/wire/report_gps_time.h"
#include "protocol/wire/report_position_lla.h"
#include "protocol/wire/report_position_xyz.h"
#include "protocol/wire/report_primary_timing.h"
#include "protocol/wire/report_supplemental_timing.h"
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

bool IsSuperPacket(int id, std::span<const std::uint8_t> payload, std::uint8_t subId) {
  return id == 0x8F && !payload.empty() && payload[0] == subId;
}

// The week and UTC offset of a 0x41 or 0x8F-AB report, when it is one; true
// when it was.
bool KeepTimeBase(TimeBase& base, int id, std::span<const std::uint8_t> payload) {
  constexpr double kWeek = 604800;
  if (id == 0x41) {
    const auto r = ParseGpsTime(payload);
    if (!r || !std::isfinite(r->timeOfWeek) || !std::isfinite(r->utcOffset)) return false;
    base = {r->week * kWeek + r->timeOfWeek, r->utcOffset};
    return true;
  }
  if (!IsSuperPacket(id, payload, 0xAB)) return false;
  const auto r = ParsePrimaryTiming(payload);
  if (r) base = {r->week * kWeek + r->timeOfWeek, double(r->utcOffset)};
  return r.has_value();
}

// Seconds since 1970 of a calendar time of the PC clock.
double UnixSecondsOf(const platform::CalendarTime& t) {
  using namespace std::chrono;
  const sys_days day = year{t.year} / t.month / t.day;
  return double(day.time_since_epoch().count()) * 86400 + t.hour * 3600.0 + t.minute * 60.0 +
         t.second + t.millisecond / 1000.0;
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
  const std::span<const std::uint8_t> payload{port.payload(), port.packetLen};
  if (KeepTimeBase(history.timeBase, id, payload)) {
    keepPcOffset(history);
    if (history.lost) history.timeline.portBack(history.timeBase.utcSeconds());
    history.lost = false;
    return;
  }
  if (IsSuperPacket(id, payload, 0xAC)) {
    const auto report = ParseSupplementalTiming(payload);
    // Events start with the first report that can be dated.
    if (report && history.timeBase.known()) {
      history.timeline.observe(*report, history.timeBase.utcSeconds());
    }
    return;
  }
  if (id == 0x5C) {
    KeepTrackingStatus(history.sky, payload);
    return;
  }
  if (!IsPositionReport(id, payload)) return;
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

// One point per second of the receiver's time: a 0x41 asked for within the
// second of a 0x8F-AB replaces its point.
void ReportHistory::keepPcOffset(PortHistory& history) {
  if (!pcClock_) return;
  const double utc = history.timeBase.utcSeconds();
  const OffsetPoint point{utc, UnixSecondsOf(pcClock_->nowUtc()) - utc};
  auto& offsets = history.pcOffset;
  if (!offsets.empty() && std::floor(offsets.newest().utc) == std::floor(utc)) {
    offsets.newest() = point;
  } else {
    offsets.push(point);
  }
}

void ReportHistory::portLost(std::size_t portIndex) {
  PortHistory& history = ports_[portIndex % link::kPortCount];
  history.timeline.portLost(history.timeBase.utcSeconds());
  history.lost = true;
}

std::size_t ReportHistory::bytesHeld() const {
  std::size_t bytes = sizeof(*this);
  for (const PortHistory& p : ports_) {
    bytes += p.series.bytesHeld() + p.pcOffset.bytesHeld() + p.timeline.bytesHeld();
  }
  return bytes;
}

}  // namespace navbin::reports

#include "protocol/reports/report_history.h"

#include <cmath>
#include <span>

#include "protocol/reports/decoders.h"
#include "protocol/reports/report_fields.h"

namespace navbin::reports {
namespace {

// Position reports that carry a time of fix, with their exact lengths.
bool IsPositionReport(int id, std::uint32_t length) {
  switch (id) {
    case 0x42:
      return length == kXyzPositionLength;
    case 0x4A:
      return length == kLlaPositionLength;
    case 0x83:
    case 0x84:
      return length == kDoublePositionLength;
    default:
      return false;
  }
}

double Number(const ReportField& field) {
  if (const auto* d = std::get_if<double>(&field.value)) return *d;
  if (const auto* i = std::get_if<std::int64_t>(&field.value)) return static_cast<double>(*i);
  return NAN;
}

// The channel's entry from the decoded fields of a 0x5C report; channel
// numbers of 12 and more are dropped, as the decoder drops them.
void KeepTrackingStatus(std::array<SkyChannel, kChannelCount>& sky,
                        std::span<const std::uint8_t> payload) {
  SkyChannel entry{.reported = true};
  double channel = -1;
  for (const ReportField& f : DescribeReport(0x5C, payload)) {
    if (f.name == "channel") channel = Number(f);
    if (f.name == "sv") entry.sv = static_cast<int>(Number(f));
    if (f.name == "elevation") entry.elevation = Number(f);
    if (f.name == "azimuth") entry.azimuth = Number(f);
    if (f.name == "level") entry.level = Number(f);
  }
  if (channel < 0 || channel >= kChannelCount) return;
  sky[static_cast<std::size_t>(channel)] = entry;
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
  if (id == 0x5C) {
    KeepTrackingStatus(history.sky, {port.payload(), port.packetLen});
    return;
  }
  if (!IsPositionReport(id, port.packetLen)) return;
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

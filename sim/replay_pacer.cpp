#include "sim/replay_pacer.h"

#include <algorithm>
#include <cmath>

#include "link/field_codec.h"
#include "link/framing.h"
#include "protocol/reports/report_gps_time.h"

namespace navbin::sim {

namespace {

constexpr double kSecondsPerWeek = 604800;

std::optional<double> GpsSeconds(double week, double timeOfWeek) {
  if (!std::isfinite(timeOfWeek) || timeOfWeek < 0 || timeOfWeek >= kSecondsPerWeek) {
    return std::nullopt;
  }
  return week * kSecondsPerWeek + timeOfWeek;
}

}  // namespace

std::optional<double> TimeReportSeconds(std::span<const std::uint8_t> packet) {
  if (packet.empty()) return std::nullopt;
  const auto payload = packet.subspan(1);
  if (packet[0] == 0x41) {
    const auto report = reports::ParseGpsTime(payload);
    if (!report) return std::nullopt;
    return GpsSeconds(report->week, report->timeOfWeek);
  }
  // 0x8F-AB: sub-id, time of week (U32 s), week (U16), then the UTC fields.
  // Only these two fields are needed here; the report has no parser of its
  // own in the reports layer yet.
  if (packet[0] == 0x8F && payload.size() == 17 && payload[0] == 0xAB) {
    return GpsSeconds(link::GetU16(payload.data() + 5), link::GetU32(payload.data() + 1));
  }
  return std::nullopt;
}

void ReplayPacer::add(std::span<const std::uint8_t> packet, std::vector<TimedFrame>& out) {
  std::vector<std::uint8_t> frame(link::FrameLength(packet));
  frame.resize(link::BuildFrame(packet, frame));
  if (frame.empty()) return;
  std::optional<double> gps = TimeReportSeconds(packet);
  if (gps && timeKind_ == 0) timeKind_ = packet[0];
  if (gps && packet[0] != timeKind_)
    gps.reset();  // one clock only: the two may differ by the UTC offset
  if (!gps) {
    heldBytes_ += frame.size();
    held_.push_back(std::move(frame));
    if (heldBytes_ > kLookAheadBytes) releaseAtLineRate(out);
    return;
  }
  const double stretch = anchor_ ? *gps - anchor_->gps : -1;
  double at = 0;
  if (stretch > 0 && stretch <= kMaxStretchSeconds) {
    at = std::max(anchor_->at + stretch, lastAt_);
    spreadUntil(at, out);
  } else {
    releaseAtLineRate(out);
    at = nextLineSlot();
  }
  emit(std::move(frame), at, out);
  anchor_ = Anchor{lastAt_, *gps};
}

void ReplayPacer::finish(std::vector<TimedFrame>& out) {
  releaseAtLineRate(out);
  anchor_.reset();
}

void ReplayPacer::emit(std::vector<std::uint8_t> frame, double at, std::vector<TimedFrame>& out) {
  lastAt_ = started_ ? std::max(at, lastAt_) : at;
  lastBytes_ = frame.size();
  started_ = true;
  out.push_back({std::move(frame), lastAt_});
}

double ReplayPacer::nextLineSlot() const {
  return started_ ? lastAt_ + LineSeconds(lastBytes_) : 0;
}

void ReplayPacer::releaseAtLineRate(std::vector<TimedFrame>& out) {
  while (!held_.empty()) {
    const double at = nextLineSlot();
    emit(std::move(held_.front()), at, out);
    held_.pop_front();
  }
  heldBytes_ = 0;
}

// The held packets share the stretch from the last packet out to `end` in
// proportion to the bytes before each of them.
void ReplayPacer::spreadUntil(double end, std::vector<TimedFrame>& out) {
  const double start = lastAt_;
  const double total = static_cast<double>(lastBytes_ + heldBytes_);
  std::size_t before = lastBytes_;
  while (!held_.empty()) {
    const std::size_t size = held_.front().size();
    emit(std::move(held_.front()), start + (end - start) * static_cast<double>(before) / total,
         out);
    before += size;
    held_.pop_front();
  }
  heldBytes_ = 0;
}

}  // namespace navbin::sim

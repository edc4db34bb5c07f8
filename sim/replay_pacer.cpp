#include "sim/replay_pacer.h"

#include <algorithm>
#include <cmath>

#include "link/field_codec.h"
#include "link/framing.h"

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

// The simulator writes these reports itself, so it reads the two fields it
// needs here rather than building on the monitor's report layer.
std::optional<double> TimeReportSeconds(std::span<const std::uint8_t> packet) {
  if (packet.empty()) return std::nullopt;
  const std::uint8_t* p = packet.data() + 1;
  const std::size_t length = packet.size() - 1;
  // 0x41: time of week (single, s), week (U16), UTC offset (single).
  if (packet[0] == 0x41 && length == 10) return GpsSeconds(link::GetU16(p + 4), link::GetSingle(p));
  // 0x8F-AB: sub-id, time of week (U32, s), week (U16), then the UTC fields.
  if (packet[0] == 0x8F && length == 17 && p[0] == 0xAB) {
    return GpsSeconds(link::GetU16(p + 5), link::GetU32(p + 1));
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

#include "tools/timing/time_service.h"

#include <algorithm>
#include <cstdio>

namespace navbin::tools::timing {

namespace {

using namespace std::chrono;

constexpr int kReportPrecision = -10;  // about a millisecond
constexpr int kPulsePrecision = -20;   // about a microsecond

std::string Signed(double value, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

TimeService::TimeService(const TimeOptions& options, std::unique_ptr<platform::PpsSource> pps,
                         int buildWeek, Note note)
    : options_(options),
      pps_(std::move(pps)),
      note_(std::move(note)),
      clock_(buildWeek,
             duration_cast<nanoseconds>(duration<double, std::milli>(options.timeOffsetMs))) {}

bool TimeService::start(std::string& error) {
  if (!pps_ && !options_.ppsDevice.empty()) {
    pps_ = platform::OpenKernelPps(options_.ppsDevice, error);
    if (!pps_) return false;
  }
  if (!options_.chronySock.empty()) sock_ = std::make_unique<ChronySock>(options_.chronySock);
  if (!options_.ppsSock.empty()) ppsSock_ = std::make_unique<ChronySock>(options_.ppsSock);
  if (options_.shmUnit) {
    shm_ = std::make_unique<ShmSegment>(*options_.shmUnit);
    if (pps_) ppsShm_ = std::make_unique<ShmSegment>(*options_.shmUnit + 1);
    for (const auto* segment : {shm_.get(), ppsShm_.get()}) {
      if (segment && !segment->ok()) {
        error = segment->error();
        return false;
      }
    }
  }
  return true;
}

// A frame's first byte began its length in line time before the chunk's
// end, which arrived at the latest as the chunk was read. Bytes come no
// faster than the line's rate, so every read of a frame's bytes bounds when
// it began; the earliest bound is that of the read soonest after its bytes,
// and a late read of its last bytes does not move the sample.
void TimeService::received(std::span<const std::uint8_t> bytes, const ReadTime& time) {
  const auto lineTime = [&](std::size_t count) {
    return duration_cast<system_clock::duration>(
        duration<double>(static_cast<double>(count) * time.secondsPerByte));
  };
  const std::uint64_t end = streamBytes_ += bytes.size();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (!frames_.feed(bytes[i])) continue;
    const auto frame = frames_.frame();
    auto start = time.at - lineTime(bytes.size() - i - 1 + frame.size());
    const std::uint64_t first = end - bytes.size() + i + 1 - frame.size();
    if (open_ && open_->first == first) start = std::min(start, open_->start);
    open_.reset();
    link::Deframer packet;
    for (const std::uint8_t b : frame) {
      if (packet.feed(b) != 1) continue;
      std::vector<std::uint8_t> whole{static_cast<std::uint8_t>(packet.packetId)};
      whole.insert(whole.end(), packet.payload().begin(), packet.payload().end());
      take(whole, start);
    }
  }
  if (const std::size_t pending = frames_.pending(); pending > 0) {
    const auto start = time.at - lineTime(pending);
    if (!open_ || open_->first != end - pending) open_ = OpenFrame{end - pending, start};
    open_->start = std::min(open_->start, start);
  }
}

void TimeService::take(std::span<const std::uint8_t> packet, SysTime start) {
  const auto sample = clock_.take(packet, start);
  if (!sample) return;
  if (clock_.rolloverResolved() && !rolloverNoted_) {
    note_("time: the receiver's week number rolled over; resolved from the build date");
  }
  rolloverNoted_ = clock_.rolloverResolved();
  if (sock_) sock_->send(*sample);
  if (shm_) shm_->write(*sample, kReportPrecision);
  ++samples_;
  lastOffset_ = sample->offset();
  leap_ = sample->leap;
  pulseFor(*sample);
}

// The pulse that began the second the report names came less than a second
// before the report; a pulse paired once, or none at all, gives nothing.
void TimeService::pulseFor(const TimeSample& report) {
  if (!pps_) return;
  const auto pulse = pps_->latest();
  if (!pulse || pulse->sequence == lastPulse_) return;
  const auto lead = report.pc - pulse->at;
  if (lead < system_clock::duration::zero() || lead >= seconds(1)) return;
  lastPulse_ = pulse->sequence;
  TimeSample sample;
  sample.pc = pulse->at;
  sample.receiver = report.receiver - duration_cast<system_clock::duration>(
                                          duration<double, std::milli>(options_.timeOffsetMs));
  sample.leap = report.leap;
  if (ppsSock_) ppsSock_->send(sample);
  if (ppsShm_) ppsShm_->write(sample, kPulsePrecision);
  ++pulses_;
}

std::string TimeService::status() const {
  std::string text = "time: " + std::to_string(samples_) + " samples";
  if (lastOffset_) text += ", PC clock " + Signed(-*lastOffset_, "%+.6f") + " s from the receiver";
  if (pps_) {
    text += ", " + std::to_string(pulses_) + " pulses";
    if (const auto q = clock_.quantizationError()) {
      text += " (quantization " + Signed(*q, "%.1f") + " ns)";
    }
  }
  text += leap_ == Leap::Insert  ? ", leap second at the end of today"
          : clock_.leapPending() ? ", leap second pending"
                                 : ", no leap second";
  return text;
}

}  // namespace navbin::tools::timing

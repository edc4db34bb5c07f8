#pragma once
// navbin-log's time service: the first port's timing reports, timestamped
// where their first byte arrived, as samples for chrony (SOCK) and ntpd or
// chrony (SHM); with the receiver's pulse (a kernel PPS device) each pulse
// paired with the report naming its second, as samples of their own.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "link/frame_collector.h"
#include "platform/pps_source.h"
#include "tools/taps/byte_tap.h"
#include "tools/timing/chrony_sock.h"
#include "tools/timing/receiver_clock.h"
#include "tools/timing/shm_segment.h"
#include "tools/timing/time_options.h"

namespace navbin::tools::timing {

class TimeService final : public ByteTap {
 public:
  using Note = std::function<void(const std::string&)>;

  // `pps` stands in for the device of --pps (tests); `buildWeek` bounds
  // the receiver's weeks.
  TimeService(const TimeOptions& options, std::unique_ptr<platform::PpsSource> pps, int buildWeek,
              Note note);

  // Opens the outputs and the pulse device; false with the reason in `error`.
  bool start(std::string& error);

  void received(std::span<const std::uint8_t> bytes, const ReadTime& time) override;
  void restarted() override {
    frames_ = link::FrameCollector{};
    open_.reset();
  }

  // "time: 57 samples, PC clock +0.000123 s from the receiver, 55 pulses
  // (quantization -3.2 ns), no leap second"
  std::string status() const;
  std::uint64_t samples() const { return samples_; }
  std::optional<double> lastOffset() const { return lastOffset_; }

 private:
  void take(std::span<const std::uint8_t> packet, SysTime start);
  void pulseFor(const TimeSample& report);

  TimeOptions options_;
  std::unique_ptr<platform::PpsSource> pps_;
  Note note_;
  ReceiverClock clock_;
  link::FrameCollector frames_;
  // The frame still open after the last chunk: its first byte's place in
  // the stream, and the latest its first byte can have begun by that read.
  struct OpenFrame {
    std::uint64_t first;
    SysTime start;
  };
  std::optional<OpenFrame> open_;
  std::uint64_t streamBytes_ = 0;
  std::unique_ptr<ChronySock> sock_, ppsSock_;
  std::unique_ptr<ShmSegment> shm_, ppsShm_;
  std::uint64_t samples_ = 0;
  std::uint64_t pulses_ = 0;
  std::uint64_t lastPulse_ = 0;  // sequence of the last pulse paired
  std::optional<double> lastOffset_;
  Leap leap_ = Leap::None;
  bool rolloverNoted_ = false;
};

}  // namespace navbin::tools::timing

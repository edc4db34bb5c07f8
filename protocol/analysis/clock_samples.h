#pragma once
// The clock of a receiver as evenly spaced samples, from its reports: the
// bias and bias rate of its supplemental timing reports (0x8F-AC, timed by
// the primary timing report 0x8F-AB before them), and those of its position
// and velocity reports (0x4A, 0x83, 0x84; 0x43, 0x56). Each of the four
// streams is spaced one interval apart by its report times: a sample at the
// time of the one before is a second report of the same fix and is dropped;
// a step of k intervals (up to a week) puts k - 1 missing samples (NaN)
// before it.

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>

namespace navbin::analysis {

enum class ClockQuantity { Bias, Rate };
enum class ClockSource { Timing, Navigation };

class ClockSampler {
 public:
  // Bias in s (phase), rate as a fraction (frequency); NaN for a missing one.
  using Sink = std::function<void(ClockSource, ClockQuantity, double value)>;

  ClockSampler(double interval, Sink sink) : interval_(interval), sink_(std::move(sink)) {}

  // One packet, id and payload as de-framed; anything else is ignored.
  void take(int id, std::span<const std::uint8_t> payload);

 private:
  void sample(ClockSource source, ClockQuantity quantity, double time, double value);

  static constexpr double kUnknownTime = std::numeric_limits<double>::quiet_NaN();

  double interval_;
  Sink sink_;
  double timingTime_ = kUnknownTime;  // of the last primary timing report
  std::array<double, 4> last_{kUnknownTime, kUnknownTime, kUnknownTime, kUnknownTime};
};

}  // namespace navbin::analysis

#pragma once
// The stability statistics of each port's receiver clock, live from its
// reports (clock_samples.h): the bias as phase and the bias rate as
// frequency, one sample a second. A timing receiver's supplemental timing
// reports win over its position and velocity reports once one arrived.
//
// Each port's statistics start when its first clock report arrives. After a
// week of samples a stream starts anew, so memory stays bounded.

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>

#include "link/port_context.h"
#include "protocol/analysis/clock_samples.h"
#include "protocol/analysis/stability.h"

namespace navbin::analysis {

inline constexpr std::size_t kClockSampleLimit = 604800;  // a week at one a second

class ClockStability {
 public:
  explicit ClockStability(double tau0 = 1.0);
  ClockStability(const ClockStability&) = delete;
  ClockStability& operator=(const ClockStability&) = delete;

  void take(int id, std::span<const std::uint8_t> payload) { sampler_.take(id, payload); }

  // Timing once the receiver sent a supplemental timing report.
  ClockSource source() const;
  // The statistics of `quantity` from source(), bias as phase, rate as frequency.
  const StabilityAccumulator& statistics(ClockQuantity quantity) const;
  // Samples (missing ones included) behind statistics(quantity).
  std::size_t samples(ClockQuantity quantity) const;
  double tau0() const { return tau0_; }

 private:
  struct Stream {
    StabilityAccumulator accumulator;
    std::size_t samples = 0;
  };
  static std::size_t IndexOf(ClockSource source, ClockQuantity quantity);
  void add(ClockSource source, ClockQuantity quantity, double value);

  double tau0_;
  std::array<std::unique_ptr<Stream>, 4> streams_;
  ClockSampler sampler_;
};

class ClockHistory {
 public:
  // The packet just decoded on port `portIndex`.
  void observe(std::size_t portIndex, int id, std::span<const std::uint8_t> payload);
  // Null before the port's first clock report.
  const ClockStability* port(std::size_t portIndex) const {
    return ports_[portIndex % link::kPortCount].get();
  }

 private:
  std::array<std::unique_ptr<ClockStability>, link::kPortCount> ports_;
};

// "Clock bias (phase)" or "Bias rate (frequency)".
std::string ClockQuantityText(ClockQuantity quantity);
// Where the values come from, and how many samples they rest on.
std::string ClockSourceText(ClockSource source, std::size_t samples, double tau0);

}  // namespace navbin::analysis

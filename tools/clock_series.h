#pragma once
// The clock of a receiver from a recording (a raw NavBin byte stream): the
// bias and bias rate of its supplemental timing reports (0x8F-AC), or, for a
// navigation receiver without them, those of its position and velocity
// reports, spaced as protocol/analysis/clock_samples.h says.

#include <cstdint>
#include <span>
#include <vector>

#include "protocol/analysis/clock_samples.h"

namespace navbin::tools {

using analysis::ClockQuantity;

struct ClockSeries {
  std::vector<double> values;  // bias in s (phase) or rate as a fraction (frequency)
};

// True when `bytes` look like a NavBin stream rather than text.
bool LooksLikeRecording(std::span<const std::uint8_t> bytes);

// The series of `quantity` at `interval` seconds; empty when the recording
// holds no report that carries it.
ClockSeries ReadClockSeries(std::span<const std::uint8_t> bytes, ClockQuantity quantity,
                            double interval);

}  // namespace navbin::tools

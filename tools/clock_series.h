#pragma once
// The clock of a receiver from a recording (a raw NavBin byte stream): the
// bias and bias rate of its supplemental timing reports (0x8F-AC), or, for a
// navigation receiver without them, those of its position and velocity
// reports. Samples one interval apart by their report times; a longer step
// puts missing samples (NaN) in its place.

#include <cstdint>
#include <span>
#include <vector>

namespace navbin::tools {

enum class ClockQuantity { Bias, Rate };

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

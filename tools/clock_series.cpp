#include "tools/clock_series.h"

#include "link/framing.h"
#include "protocol/analysis/clock_samples.h"

namespace navbin::tools {

bool LooksLikeRecording(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) {
    if (b == link::kDle) return true;  // never in text
  }
  return false;
}

ClockSeries ReadClockSeries(std::span<const std::uint8_t> bytes, ClockQuantity quantity,
                            double interval) {
  using analysis::ClockSource;
  ClockSeries timing, navigation;
  analysis::ClockSampler sampler(interval, [&](ClockSource source, ClockQuantity q, double v) {
    if (q == quantity) (source == ClockSource::Timing ? timing : navigation).values.push_back(v);
  });
  link::Deframer deframer;
  for (const std::uint8_t b : bytes) {
    if (deframer.feed(b)) sampler.take(deframer.packetId, deframer.payload());
  }
  // A timing receiver's own clock reports win over its position reports.
  return timing.values.empty() ? navigation : timing;
}

}  // namespace navbin::tools

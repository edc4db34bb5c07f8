#include "protocol/analysis/clock_stability.h"

#include <charconv>

namespace navbin::analysis {
namespace {

// Ids of the reports a clock sample comes from.
bool IsClockReport(int id, std::span<const std::uint8_t> payload) {
  if (id == 0x8F) return !payload.empty() && (payload[0] == 0xAB || payload[0] == 0xAC);
  return id == 0x4A || id == 0x83 || id == 0x84 || id == 0x43 || id == 0x56;
}

}  // namespace

ClockStability::ClockStability(double tau0)
    : tau0_(tau0),
      sampler_(tau0, [this](ClockSource s, ClockQuantity q, double v) { add(s, q, v); }) {}

std::size_t ClockStability::IndexOf(ClockSource source, ClockQuantity quantity) {
  return static_cast<std::size_t>(source) * 2 + static_cast<std::size_t>(quantity);
}

void ClockStability::add(ClockSource source, ClockQuantity quantity, double value) {
  auto& stream = streams_[IndexOf(source, quantity)];
  if (!stream || stream->samples >= kClockSampleLimit) {
    const DataKind kind = quantity == ClockQuantity::Bias ? DataKind::Phase : DataKind::Frequency;
    stream.reset(new Stream{StabilityAccumulator(kind, tau0_)});
  }
  stream->accumulator.add(value);
  ++stream->samples;
}

ClockSource ClockStability::source() const {
  const bool timing = streams_[IndexOf(ClockSource::Timing, ClockQuantity::Bias)] ||
                      streams_[IndexOf(ClockSource::Timing, ClockQuantity::Rate)];
  return timing ? ClockSource::Timing : ClockSource::Navigation;
}

const StabilityAccumulator& ClockStability::statistics(ClockQuantity quantity) const {
  static const StabilityAccumulator kNone[2] = {{DataKind::Phase, 1}, {DataKind::Frequency, 1}};
  const auto& stream = streams_[IndexOf(source(), quantity)];
  return stream ? stream->accumulator : kNone[static_cast<std::size_t>(quantity)];
}

std::size_t ClockStability::samples(ClockQuantity quantity) const {
  const auto& stream = streams_[IndexOf(source(), quantity)];
  return stream ? stream->samples : 0;
}

void ClockHistory::observe(std::size_t portIndex, int id, std::span<const std::uint8_t> payload) {
  auto& port = ports_[portIndex % link::kPortCount];
  if (!port && !IsClockReport(id, payload)) return;
  if (!port) port = std::make_unique<ClockStability>();
  port->take(id, payload);
}

std::string ClockQuantityText(ClockQuantity quantity) {
  return quantity == ClockQuantity::Bias ? "Clock bias (phase)" : "Bias rate (frequency)";
}

std::string ClockSourceText(ClockSource source, std::size_t samples, double tau0) {
  char interval[32];
  const auto end = std::to_chars(interval, interval + sizeof interval, tau0).ptr;
  const std::string reports = source == ClockSource::Timing ? "supplemental timing reports"
                                                            : "position and velocity reports";
  return "From the receiver's own clock reports (" + reports +
         "): its view of its clock, not an external counter. " + std::to_string(samples) +
         " samples at " + std::string(interval, end) + " s.";
}

}  // namespace navbin::analysis

// The stability statistics over a day and a week of one-second phase: every
// deviation at every averaging time, from the first sample to the table, and
// the cost of one more sample once a week is in.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "protocol/analysis/stability.h"

namespace {

using navbin::analysis::DataKind;
using navbin::analysis::StabilityAccumulator;

// White phase noise on a random walk of frequency, about as a receiver's
// clock bias looks, in seconds; the same every run.
std::vector<double> ClockPhase(std::size_t n) {
  std::vector<double> x(n);
  std::uint64_t state = 12345;
  auto uniform = [&state] {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<double>(state >> 11) / 9007199254740992.0 - 0.5;
  };
  double frequency = 1e-8, phase = 0;
  for (double& v : x) {
    frequency += 1e-12 * uniform();
    phase += frequency;
    v = phase + 2e-8 * uniform();
  }
  return x;
}

void BM_StabilityOfOneSecondSamples(benchmark::State& state) {
  const auto x = ClockPhase(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    StabilityAccumulator accumulator(DataKind::Phase, 1.0);
    for (const double v : x) accumulator.add(v);
    benchmark::DoNotOptimize(accumulator.results());
  }
  state.counters["samples"] = static_cast<double>(x.size());
}
BENCHMARK(BM_StabilityOfOneSecondSamples)->Arg(86400)->Arg(604800)->Unit(benchmark::kMillisecond);

void BM_StabilityOneMoreSampleAfterAWeek(benchmark::State& state) {
  const auto x = ClockPhase(604800 + 1000000);
  StabilityAccumulator accumulator(DataKind::Phase, 1.0);
  std::size_t next = 0;
  for (; next < 604800; ++next) accumulator.add(x[next]);
  for (auto _ : state) {
    accumulator.add(x[next++ % x.size()]);
  }
}
BENCHMARK(BM_StabilityOneMoreSampleAfterAWeek)->Iterations(1000000);

}  // namespace

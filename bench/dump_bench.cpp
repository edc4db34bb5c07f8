// navbin-dump's pipeline (de-framing, parsing, formatting into its output
// buffer) over the receiver recordings repeated into a 64 MiB stream, as text
// and as JSON. The lines go nowhere, so the figure excludes the output device.
//
//   build/release/bench/navbin-bench --benchmark_filter=Dump

#include <benchmark/benchmark.h>

#include <vector>

#include "tests/support/captures.h"
#include "tools/packet_printer.h"

namespace {

using namespace navbin;

constexpr std::size_t kStreamBytes = 64u << 20;

std::vector<std::uint8_t> RepeatedRecordings() {
  std::vector<std::uint8_t> once;
  for (const auto& capture : support::KnownCaptures()) {
    const auto bytes = support::ReadCapture(capture.file);
    once.insert(once.end(), bytes.begin(), bytes.end());
  }
  std::vector<std::uint8_t> all;
  if (once.empty()) return all;
  all.reserve(kStreamBytes + once.size());
  while (all.size() < kStreamBytes) all.insert(all.end(), once.begin(), once.end());
  return all;
}

void BM_Dump(benchmark::State& state, bool json) {
  const std::vector<std::uint8_t> stream = RepeatedRecordings();
  if (stream.empty()) {
    state.SkipWithError("recordings not found");
    return;
  }
  std::size_t lineBytes = 0;
  for (auto _ : state) {
    lineBytes = 0;
    tools::PacketPrinter printer(json, false,
                                 [&](std::string_view lines) { lineBytes += lines.size(); });
    printer.feed(stream.data(), stream.size());
    printer.flush();
    benchmark::DoNotOptimize(lineBytes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
  state.counters["output_MB"] = static_cast<double>(lineBytes) / 1e6;
}

BENCHMARK_CAPTURE(BM_Dump, text, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Dump, json, true)->Unit(benchmark::kMillisecond);

}  // namespace

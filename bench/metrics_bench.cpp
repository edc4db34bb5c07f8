// A Prometheus scrape of navbin-log watching 16 receivers, each with 12
// satellites tracked and its timing, fix and health series: the time from
// sending the request to the last byte of the answer, over loopback, with
// the series updated as in logging. Aim: under 5 ms.
//
//   build/release/bench/navbin-bench --benchmark_filter=Scrape

#include <benchmark/benchmark.h>

#include <algorithm>

#include "tests/support/packets.h"
#include "tests/support/prometheus_text.h"
#include "tools/metrics/metrics_server.h"

namespace {

using namespace navbin;
using support::Payload;

constexpr int kReceivers = 16;

void FillReceiver(tools::metrics::MetricsServer& server, int port) {
  reports::ReceiverState state;
  state.fixMode = 0x84;
  state.pdop = 1.5f;
  state.hdop = 0.9f;
  const auto now = std::chrono::steady_clock::now();
  for (int channel = 0; channel < reports::kChannelCount; ++channel) {
    const support::Bytes tracking = Payload()
                                        .u8(channel + 1)
                                        .u8(channel << 3)
                                        .u8(1)
                                        .u8(1)
                                        .single(40.5f)
                                        .single(0)
                                        .single(0.7f)
                                        .single(1.2f)
                                        .zeros(4);
    server.take(port, 0x5C, tracking, state, now);
  }
  const support::Bytes timing = Payload()
                                    .u8(0xAC)
                                    .u8(7)
                                    .u8(0)
                                    .u8(100)
                                    .zeros(6)
                                    .u16(0x0080)
                                    .u8(0)
                                    .zeros(3)
                                    .single(-12.25f)
                                    .single(0.03f)
                                    .zeros(36)
                                    .single(3.5f)
                                    .u8(1)
                                    .zeros(3);
  for (int id : {0x6D, 0x46, 0x4B})
    server.take(port, id, support::Bytes(id == 0x6D ? 17 : 2, 0), state, now);
  server.take(port, 0x8F, timing, state, now);
}

void BM_ScrapeSixteenReceivers(benchmark::State& state) {
  const std::uint16_t port = support::FreeLoopbackPort();
  tools::metrics::MetricsServer server({"127.0.0.1", port},
                                       std::vector<std::string>(kReceivers, "/dev/ttyUSB0"));
  std::string error;
  if (!server.start(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::vector<tools::metrics::PortCounts> counts(kReceivers, {.open = true, .packets = 1000});
  for (int i = 0; i < kReceivers; ++i) FillReceiver(server, i);
  server.refresh(counts, {.serveClients = 3, .timeOffset = 1e-4, .timeSamples = 600},
                 std::chrono::steady_clock::now());
  std::string answer;
  for (auto _ : state) {
    answer = support::HttpGet(port, "/metrics");
    benchmark::DoNotOptimize(answer.data());
  }
  const std::string& body = answer;
  state.counters["body_bytes"] = static_cast<double>(body.size());
  state.counters["sample_lines"] = static_cast<double>(std::count(body.begin(), body.end(), '\n') -
                                                       std::count(body.begin(), body.end(), '#'));
}
BENCHMARK(BM_ScrapeSixteenReceivers)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

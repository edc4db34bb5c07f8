// The charts' history keeps memory flat: 24 hours of one-second reports on
// the display port (a position fix, DOPs, 12 tracking reports, a time report
// and a timing report whose alarm changes twice a minute, every second),
// fed in fast time through the dispatcher, then another 24 hours. The counters
// give the bytes the history holds before, after one day and after two.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "platform/memory_serial_device.h"
#include "shell/monitor_core.h"
#include "tests/support/fakes.h"
#include "tests/support/packets.h"
#include "tests/support/silent_display.h"

namespace {

using namespace navbin;
using support::Bytes;
using support::Payload;

constexpr int kSecondsPerDay = 86400;

void Deliver(shell::MonitorCore& core, int id, const Bytes& payload) {
  link::PortContext& port = core.ports[0];
  std::copy(payload.begin(), payload.end(), port.frameBuffer.begin());
  port.packetId = id;
  port.packetLen = static_cast<std::uint32_t>(payload.size());
  core.dispatcher.dispatchReport(port);
}

// One second of a receiver's reports, at GPS second `t` of the week.
void OneSecond(shell::MonitorCore& core, int t) {
  const float tow = static_cast<float>(t % 604800);
  Deliver(core, 0x41, Payload().single(tow).u16(2000).single(18));
  // The almanac alarm set and cleared once a minute: two events a minute.
  Deliver(core, 0x8F,
          Payload().u8(0xAC).u8(7).zeros(8).u16(t / 30 % 2 ? 0x0800 : 0).zeros(52).u8(1).zeros(3));
  Deliver(core, 0x4A,
          Payload().single(0.6f).single(0.1f).single(50).single(float(t % 1000)).single(tow));
  Deliver(core, 0x6D,
          Payload().u8(0x84).single(1.8f).single(1.1f).single(1.4f).single(0.9f).zeros(8));
  for (int k = 0; k < 12; ++k) {
    Deliver(core, 0x5C,
            Payload()
                .u8(k + 1)
                .u8(k << 3)
                .u8(1)
                .u8(1)
                .single(20)
                .single(tow)
                .single(float(k) * 0.1f)
                .single(float(t % 360) * 0.0174f)
                .zeros(4));
  }
}

void BM_HistoryTwoDaysOfOneSecondReports(benchmark::State& state) {
  support::SilentDisplay display;
  support::ScriptedPrompter prompter;
  support::FakeClock clock;
  platform::MemorySerialBackend backend;
  shell::MonitorCore core(backend, display, prompter, clock);
  core.ports[0].isOpen = true;
  core.shell.displayPort = 1;
  for (auto _ : state) {
    state.counters["bytes_before"] = double(core.history.bytesHeld());
    for (int t = 0; t < kSecondsPerDay; ++t) OneSecond(core, t);
    state.counters["bytes_after_24h"] = double(core.history.bytesHeld());
    for (int t = kSecondsPerDay; t < 2 * kSecondsPerDay; ++t) OneSecond(core, t);
    state.counters["bytes_after_48h"] = double(core.history.bytesHeld());
    state.counters["points"] = double(core.history.port(0).series.size());
    state.counters["offsets"] = double(core.history.port(0).pcOffset.size());
    state.counters["events"] = double(core.history.port(0).timeline.events().size());
  }
}
BENCHMARK(BM_HistoryTwoDaysOfOneSecondReports)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

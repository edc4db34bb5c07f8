// One monitor tick with 16 open, monitored ports, each delivering a full
// 8192-byte read of recorded receiver traffic, de-framed and dispatched to the
// decoders, with a display that does nothing.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "link/port_context.h"
#include "platform/memory_serial_device.h"
#include "shell/monitor_core.h"
#include "tests/support/captures.h"
#include "tests/support/fakes.h"
#include "tests/support/silent_display.h"

namespace {

using namespace navbin;

// 8192 bytes of the recordings, starting at a different file for each port.
std::vector<std::uint8_t> FullRead(int port) {
  static const char* kCaptures[] = {"nav-3d-tracking.nvb", "nav-tracking.nvb",
                                    "nav-lla-double.nvb",  "nav-xyz-double-2d.nvb",
                                    "timing-a.nvb",        "timing-b.nvb"};
  std::vector<std::uint8_t> bytes;
  for (int k = 0; bytes.size() < link::kRxBufferSize; ++k) {
    const auto capture = support::ReadCapture(kCaptures[(port + k) % 6]);
    if (capture.empty()) return {};
    bytes.insert(bytes.end(), capture.begin(), capture.end());
  }
  bytes.resize(link::kRxBufferSize);
  return bytes;
}

std::string Path(int com) {
  return "/dev/ttyBENCH" + std::to_string(com);
}

void BM_NavBinTick16FullPorts(benchmark::State& state) {
  platform::MemorySerialBackend backend;
  support::SilentDisplay display;
  support::ScriptedPrompter prompter;
  support::FakeClock clock;
  clock.accept = false;
  shell::MonitorCore core(backend, display, prompter, clock);
  std::vector<std::vector<std::uint8_t>> reads;
  std::vector<platform::MemoryLine*> lines;
  for (int com = 1; com <= link::kPortCount; ++com) {
    core.portMap.assign(com, Path(com));
    lines.push_back(&backend.addDevice(Path(com)));
    reads.push_back(FullRead(com - 1));
    if (reads.back().empty()) {
      state.SkipWithError("capture files not found");
      return;
    }
    auto& port = core.ports[static_cast<std::size_t>(com - 1)];
    core.channel.OpenPort(port, Path(com), static_cast<std::uint32_t>(com - 1));
    port.monitored = true;
  }
  core.shell.displayPort = 1;

  for (auto _ : state) {
    state.PauseTiming();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      lines[i]->clearWritten();
      lines[i]->push(reads[i]);
    }
    state.ResumeTiming();
    core.cycle.NavBinTimer();
    benchmark::DoNotOptimize(core.reports);
  }
  // Every tick must have read each port's whole 8192 bytes.
  for (const auto& port : core.ports) {
    if (port.readIo.bytes != state.iterations() * link::kRxBufferSize) {
      state.SkipWithError("a port did not deliver a full read every tick");
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(link::kRxBufferSize * link::kPortCount));
}
BENCHMARK(BM_NavBinTick16FullPorts)->Unit(benchmark::kMicrosecond);

}  // namespace

// The almanac and ephemeris transfers against navbin-sim on a pseudo-terminal
// opened at 9600 baud 8-O-1. Counters:
//   line_ms  what the bytes of the transfer (both directions, 11 bits each)
//            need on a 9600 baud line
//   ratio    wall time of the transfer over line_ms (the goal: at most 1.5)
//   cpu_pct  CPU time of this process over wall time, which the reply waits
//            dominate: it shows whether a wait spins
// A pseudo-terminal passes bytes at once, so the simulator is run with
// --pace 9600: each reply also waits out the time its command and itself
// need on a 9600 baud line. The last case answers 100 ms late as well.
// Run: build/.../bench/navbin-bench --benchmark_filter=Transfer

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "link/serial_channel.h"
#include "platform/posix_serial_device.h"
#include "protocol/commands/packet_sender.h"
#include "tests/support/child_process.h"
#include "tests/support/fakes.h"
#include "transfer/satellite_transfer.h"

namespace {

using namespace navbin;

struct QuietView final : transfer::TransferView {
  void showAlm() override {}
  void showEph() override {}
  void appendEph(const std::string&) override {}
  void enterTransfer() override {}
  void leaveTransfer() override {}
  void refresh() override {}
  bool cancelRequested() const override { return false; }
};

double CpuSeconds() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

enum Which { kAlmanacDown, kAlmanacUp, kEphemerisDown, kEphemerisUp };

void RunTransfer(benchmark::State& state, Which which, int lateMs) {
  const std::string folder = std::string(NAVBIN_BINARY_DIR) + "/bench_transfer";
  std::filesystem::create_directories(folder);
  const bool almanac = which == kAlmanacDown || which == kAlmanacUp;
  const std::string file = folder + (almanac ? "/alm.dat" : "/eph.dat");
  support::ChildProcess sim(std::string(NAVBIN_BINARY_DIR) + "/sim/navbin-sim",
                            {"--seed", "9", "--pace", "9600", "--late", std::to_string(lateMs)});
  sim.readOut(1, support::Ms(5000));
  if (sim.outLines().empty()) {
    state.SkipWithError("navbin-sim did not start");
    return;
  }
  platform::PosixSerialBackend backend;
  platform::PortMap map;
  map.assign(1, sim.outLines().front());
  link::SerialChannel channel(backend, map);
  link::PortTable ports;
  link::PortSelection shell;
  shell.displayPort = 1;
  std::array<std::uint8_t, link::kPortCount> trigger{};
  commands::PacketSender sender(channel, ports, shell, trigger);
  support::FakeDisplay display;
  support::ScriptedPrompter prompter;
  QuietView view;
  transfer::SatelliteTransfer t({channel, ports, shell, sender, display, prompter}, view);
  if (channel.OpenPort(ports[0], map.devicePath(1), 0) != 0) {
    state.SkipWithError("cannot open the terminal");
    return;
  }
  if (which == kAlmanacUp || which == kEphemerisUp) {  // a file to upload first
    prompter.files.push_back(file);
    almanac ? t.DownloadAlmanac() : t.DownloadEphemeris();
  }
  double wall = 0, cpu = 0, bytes = 0;
  for (auto _ : state) {
    const auto before = ports[0].readIo.bytes + ports[0].writeIo.bytes;
    const double cpu0 = CpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    prompter.files.push_back(file);
    switch (which) {
      case kAlmanacDown:
        t.DownloadAlmanac();
        break;
      case kAlmanacUp:
        t.UploadAlmanac();
        break;
      case kEphemerisDown:
        t.DownloadEphemeris();
        break;
      case kEphemerisUp:
        t.UploadEphemeris();
        break;
    }
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    cpu += CpuSeconds() - cpu0;
    bytes += static_cast<double>(ports[0].readIo.bytes + ports[0].writeIo.bytes - before);
  }
  const double n = static_cast<double>(state.iterations());
  const double lineMs = bytes / n * 11.0 / 9600.0 * 1000.0;
  state.counters["line_ms"] = lineMs;
  state.counters["wall_ms"] = wall / n * 1000.0;
  state.counters["ratio"] = wall / n * 1000.0 / lineMs;
  state.counters["cpu_pct"] = 100.0 * cpu / wall;
}

void BM_TransferAlmanacDownload(benchmark::State& s) {
  RunTransfer(s, kAlmanacDown, 0);
}
void BM_TransferAlmanacUpload(benchmark::State& s) {
  RunTransfer(s, kAlmanacUp, 0);
}
void BM_TransferEphemerisDownload(benchmark::State& s) {
  RunTransfer(s, kEphemerisDown, 0);
}
void BM_TransferEphemerisUpload(benchmark::State& s) {
  RunTransfer(s, kEphemerisUp, 0);
}
void BM_TransferAlmanacDownloadLate100ms(benchmark::State& s) {
  RunTransfer(s, kAlmanacDown, 100);
}

BENCHMARK(BM_TransferAlmanacDownload)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TransferAlmanacUpload)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TransferEphemerisDownload)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_TransferEphemerisUpload)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TransferAlmanacDownloadLate100ms)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

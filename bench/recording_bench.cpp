// Reading a 100 MB recording into the chart windows' model: the two timing and
// the navigation recordings over and over, every packet decoded into the
// series, the sky and the clock statistics. Bytes per second is the figure
// (aim: at least 100 MB/s).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>

#include "shell/recording_model.h"
#include "tests/support/packets.h"

namespace {

constexpr std::size_t kRecordingBytes = 100u << 20;

using navbin::support::Bytes;
using navbin::support::Payload;

void Put(std::ofstream& out, int id, const Bytes& payload) {
  Bytes packet{static_cast<std::uint8_t>(id)};
  packet.insert(packet.end(), payload.begin(), payload.end());
  const Bytes frame = navbin::support::Frame(packet);
  out.write(reinterpret_cast<const char*>(frame.data()), std::streamsize(frame.size()));
}

// A timing receiver's second at GPS second `t` of the week: both timing
// packets, a position and a velocity fix, DOPs and 12 tracking reports.
void OneSecond(std::ofstream& out, int t) {
  const float tow = static_cast<float>(t);
  Put(out, 0x8F, Payload().u8(0xAB).u16(t >> 16).u16(t & 0xFFFF).u16(2100).u16(18).zeros(10));
  Put(out, 0x8F, Payload().u8(0xAC).zeros(67));
  Put(out, 0x4A, Payload().single(0.6f).single(0.1f).single(50).single(float(t % 97)).single(tow));
  Put(out, 0x56, Payload().single(0).single(0).single(0).single(float(t % 13)).single(tow));
  Put(out, 0x6D, Payload().u8(0x84).single(1.8f).single(1.1f).single(1.4f).single(0.9f).zeros(8));
  for (int k = 0; k < 12; ++k) {
    Put(out, 0x5C,
        Payload()
            .u8(k + 1)
            .u8(k << 3)
            .zeros(2)
            .single(40)
            .zeros(4)
            .single(0.5f)
            .single(float(k) / 2)
            .zeros(4));
  }
}

// The recording, written once under the build tree: seconds on end.
const std::string& LongRecording() {
  static const std::string path = [] {
    const std::string file = std::string(NAVBIN_BINARY_DIR) + "/bench_recording.nvb";
    std::ofstream out(file, std::ios::binary);
    for (int t = 0; out.tellp() < std::streamoff(kRecordingBytes); ++t) OneSecond(out, t % 604800);
    return file;
  }();
  return path;
}

void BM_OpenRecording(benchmark::State& state) {
  const std::string& path = LongRecording();
  std::uint64_t bytes = 0;
  for (auto _ : state) {
    navbin::shell::RecordingModel model;
    std::uint64_t read = 0;
    if (!model.load(path, [&](std::uint64_t done, std::uint64_t) {
          read = done;
          return true;
        })) {
      state.SkipWithError(model.error().c_str());
      break;
    }
    benchmark::DoNotOptimize(model.packets());
    bytes += read;
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_OpenRecording)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

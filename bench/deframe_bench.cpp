// De-framing and framing speed: the receiver recordings repeated into a
// 64 MiB stream and drained through PollPort, and the longest command frames.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "link/framing.h"
#include "link/serial_channel.h"
#include "platform/serial_device.h"
#include "tests/support/captures.h"

namespace {

using namespace navbin;

constexpr std::size_t kStreamBytes = 64u << 20;

const std::vector<std::uint8_t>& RecordedStream() {
  static const std::vector<std::uint8_t> stream = [] {
    std::vector<std::uint8_t> once;
    for (const char* name : {"nav-3d-tracking.nvb", "nav-tracking.nvb", "nav-lla-double.nvb",
                             "nav-xyz-double-2d.nvb", "timing-a.nvb", "timing-b.nvb"}) {
      const auto capture = support::ReadCapture(name);
      once.insert(once.end(), capture.begin(), capture.end());
    }
    std::vector<std::uint8_t> all;
    if (once.empty()) return all;
    all.reserve(kStreamBytes + once.size());
    while (all.size() < kStreamBytes) all.insert(all.end(), once.begin(), once.end());
    return all;
  }();
  return stream;
}

// A device that serves a fixed byte string as fast as it can be read, so that
// the benchmark measures the channel, not a queue.
class StreamDevice final : public platform::SerialDevice {
 public:
  explicit StreamDevice(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  void rewind() { at_ = 0; }
  long pendingInput() override { return static_cast<long>(bytes_.size() - at_); }
  long read(std::uint8_t* buffer, std::size_t max) override {
    const std::size_t n = std::min(max, bytes_.size() - at_);
    std::memcpy(buffer, bytes_.data() + at_, n);
    at_ += n;
    return static_cast<long>(n);
  }
  bool write(const std::uint8_t*, std::size_t) override { return true; }
  void flushOutput() override {}
  bool setLineParameters(const platform::LineParameters&) override { return true; }
  void purge() override {}
  bool lost() const override { return false; }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_ = 0;
};

class StreamBackend final : public platform::SerialBackend {
 public:
  explicit StreamBackend(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  std::unique_ptr<platform::SerialDevice> open(const std::string&) override {
    return std::make_unique<StreamDevice>(bytes_);
  }
  platform::OpenError lastError() const override { return platform::OpenError::None; }

 private:
  const std::vector<std::uint8_t>& bytes_;
};

// The monitor's path: PollPort reads 8192 bytes at a time and de-frames them,
// calling a handler per packet.
void BM_DeframeThroughPollPort(benchmark::State& state) {
  const auto& stream = RecordedStream();
  if (stream.empty()) return state.SkipWithError("recordings not found");
  StreamBackend backend(stream);
  platform::PortMap map;
  link::SerialChannel channel(backend, map);
  auto port = std::make_unique<link::PortContext>();
  channel.OpenPort(*port, "stream", 0);
  auto& device = static_cast<StreamDevice&>(*port->handle);
  std::uint64_t packets = 0;
  const link::PacketHandler handler = [&](link::PortContext&) { ++packets; };
  for (auto _ : state) {
    device.rewind();
    while (device.pendingInput() > 0) channel.PollPort(*port, handler, false);
  }
  benchmark::DoNotOptimize(packets);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
  state.counters["packets/iter"] =
      static_cast<double>(packets) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DeframeThroughPollPort)->Unit(benchmark::kMillisecond);

// The same bytes through DeframeByte one call per byte, in receive-buffer chunks.
void BM_DeframeByteCalls(benchmark::State& state) {
  const auto& stream = RecordedStream();
  if (stream.empty()) return state.SkipWithError("recordings not found");
  auto port = std::make_unique<link::PortContext>();
  std::uint64_t packets = 0;
  for (auto _ : state) {
    for (std::size_t at = 0; at < stream.size(); at += link::kRxBufferSize) {
      const std::size_t n = std::min(link::kRxBufferSize, stream.size() - at);
      std::memcpy(port->rxBuffer.data(), stream.data() + at, n);
      port->rxCount = static_cast<std::uint32_t>(n);
      port->readPos = 0;
      while (port->rxCount > 0) packets += static_cast<std::uint64_t>(link::DeframeByte(*port));
    }
  }
  benchmark::DoNotOptimize(packets);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(BM_DeframeByteCalls)->Unit(benchmark::kMillisecond);

// The longest generic command: 128 bytes, all of them 0x10.
void BM_FrameGenericCommand(benchmark::State& state) {
  const std::vector<std::uint8_t> packet(128, 0x10);
  std::uint8_t frame[link::kMaxFrameLength];
  for (auto _ : state) {
    benchmark::DoNotOptimize(link::BuildFrame(packet, frame));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * packet.size()));
}
BENCHMARK(BM_FrameGenericCommand);

// A satellite-data load of 260 bytes (header plus data record) through
// WriteFrame to a device that takes everything.
void BM_WriteSatelliteLoad(benchmark::State& state) {
  std::vector<std::uint8_t> packet(260);
  for (std::size_t i = 0; i < packet.size(); ++i) {
    packet[i] = static_cast<std::uint8_t>(i * 37 % 256);
  }
  packet[0] = 0x38;
  static const std::vector<std::uint8_t> none;
  StreamBackend backend(none);
  platform::PortMap map;
  link::SerialChannel channel(backend, map);
  auto port = std::make_unique<link::PortContext>();
  channel.OpenPort(*port, "stream", 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(channel.WriteFrame(packet.size(), packet.data(), *port));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * packet.size()));
}
BENCHMARK(BM_WriteSatelliteLoad);

}  // namespace

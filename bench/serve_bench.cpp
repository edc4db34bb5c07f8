// navbin-log sharing 16 receivers with 16 clients each: every receiver (a
// loopback server standing in for a network port) sends a 96-byte frame every
// 100 ms, a full 9600-baud line; every client reads all of it. Reported: the
// logger's CPU share of one core, and the time from a frame leaving its
// receiver to its arrival at a client (median, 99th percentile, worst).
// Aims: under 2 % of a core, under 1 ms at the 99th percentile.
//
//   build/release/bench/navbin-bench --benchmark_filter=Serve

#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "link/framing.h"
#include "platform/event_poll.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback_server.h"
#include "tests/support/packets.h"

namespace {

using namespace navbin;
using Clock = std::chrono::steady_clock;

constexpr int kReceivers = 16;
constexpr int kClientsEach = 16;
constexpr auto kFrameEvery = std::chrono::milliseconds(100);
constexpr std::size_t kPayload = 96 - 4;  // id and payload of a 96-byte frame
constexpr std::uint8_t kId = 0x7A;        // an id the logger ignores

double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string skip;
  for (int i = 0; i < 11; ++i) fields >> skip;
  double user = 0, system = 0;
  fields >> user >> system;
  return (user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// A frame numbered `seq`, its number in bytes that need no stuffing.
support::Bytes NumberedFrame(std::uint32_t seq) {
  support::Bytes packet(kPayload, 0x55);
  packet[0] = kId;
  for (int i = 0; i < 8; ++i) packet[1 + i] = 0x40 + ((seq >> (4 * i)) & 0xF);
  return support::Frame(packet);
}

std::uint32_t NumberOf(std::span<const std::uint8_t> payload) {
  std::uint32_t seq = 0;
  for (int i = 0; i < 8 && i < static_cast<int>(payload.size()); ++i) {
    seq |= static_cast<std::uint32_t>(payload[i] - 0x40) << (4 * i);
  }
  return seq;
}

struct Reader {
  std::unique_ptr<support::LoopbackClient> socket;
  int receiver = 0;
  link::Deframer deframer;
};

void BM_ServeSixteenReceiversToSixteenClientsEach(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "navbin-serve-bench";
  std::filesystem::create_directories(folder);
  std::vector<std::unique_ptr<support::LoopbackServer>> receivers;
  std::vector<std::string> args{"--data", (folder / "").string(), "--quiet", "--serve"};
  const std::uint16_t first = support::FreeLoopbackPort();
  args.push_back(std::to_string(first));
  for (int r = 0; r < kReceivers; ++r) {
    receivers.push_back(std::make_unique<support::LoopbackServer>());
    args.insert(args.end(), {"--port", receivers.back()->url("tcp")});
  }
  support::ChildProcess log(NAVBIN_BINARY_DIR "/tools/navbin-log", args);
  // A look whether the server answers comes before the connection that stays.
  for (auto& receiver : receivers) {
    if (!receiver->accept(5000)) return state.SkipWithError("navbin-log did not connect");
    while (receiver->accept(300)) {
    }
  }
  std::vector<Reader> readers;
  for (int r = 0; r < kReceivers; ++r) {
    for (int c = 0; c < kClientsEach; ++c) {
      auto socket = std::make_unique<support::LoopbackClient>(first + r);
      if (!socket->connected()) return state.SkipWithError("cannot connect to navbin-log");
      readers.push_back({std::move(socket), r, {}});
    }
  }
  const double seconds = static_cast<double>(state.range(0));
  std::vector<std::vector<Clock::time_point>> sentAt(kReceivers);
  std::vector<double> latencies;
  platform::EventPoll poll;
  for (std::size_t i = 0; i < readers.size(); ++i) poll.watch(readers[i].socket->fd(), i);
  for (auto _ : state) {
    const double cpuBefore = CpuSeconds(log.pid());
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    auto next = start;
    int turn = 0;
    while (Clock::now() < end) {
      if (Clock::now() >= next) {  // receivers take turns through the 100 ms
        auto& times = sentAt[static_cast<std::size_t>(turn)];
        receivers[static_cast<std::size_t>(turn)]->send(
            NumberedFrame(static_cast<std::uint32_t>(times.size())));
        times.push_back(Clock::now());
        turn = (turn + 1) % kReceivers;
        next += kFrameEvery / kReceivers;
      }
      const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
      const auto ready = poll.wait(std::max(wait, std::chrono::milliseconds(0)));
      const auto now = Clock::now();
      for (const auto& event : ready) {
        const std::size_t i = event.token;
        std::array<std::uint8_t, 4096> buffer;
        const ssize_t n = ::recv(readers[i].socket->fd(), buffer.data(), buffer.size(), 0);
        for (ssize_t k = 0; k < n; ++k) {
          if (readers[i].deframer.feed(buffer[static_cast<std::size_t>(k)]) != 1) continue;
          const auto& times = sentAt[static_cast<std::size_t>(readers[i].receiver)];
          const std::uint32_t seq = NumberOf(readers[i].deframer.payload());
          if (seq < times.size()) {
            latencies.push_back(
                std::chrono::duration<double, std::micro>(now - times[seq]).count());
          }
        }
      }
    }
    state.counters["cpu_percent"] = 100 * (CpuSeconds(log.pid()) - cpuBefore) / seconds;
  }
  ::kill(log.pid(), SIGTERM);
  log.waitExit(support::Ms(3000));
  std::filesystem::remove_all(folder);
  if (latencies.empty()) return state.SkipWithError("no frame reached a client");
  std::sort(latencies.begin(), latencies.end());
  const auto at = [&](double q) {
    return latencies[static_cast<std::size_t>(q * static_cast<double>(latencies.size() - 1))];
  };
  state.counters["frames_read"] = static_cast<double>(latencies.size());
  state.counters["latency_p50_us"] = at(0.5);
  state.counters["latency_p99_us"] = at(0.99);
  state.counters["latency_max_us"] = latencies.back();
}
BENCHMARK(BM_ServeSixteenReceiversToSixteenClientsEach)
    ->Arg(20)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

// navbin-log's timestamps of a receiver's time reports against the line they
// came over: a timing receiver on a pseudo-terminal at 9600 baud, each byte
// handed over once its character has passed, as a UART does, and navbin-log's
// session (in this process, on its own thread) sending its report samples to
// a datagram socket read here. A sample's error is its time less the instant
// the report's first character began on the line; reported are the median
// and the 99th percentile (aim: p99 under 0.5 ms).
//
// The receiver's clock moves on a second once its line has been idle 20 ms,
// and each second it is asked for its time too (0x41 after the 0x8F-AB), so
// 600 reports take about a minute instead of ten.
//
//   build/release/bench/navbin-bench --benchmark_filter=TimeService

#include <benchmark/benchmark.h>
#include <poll.h>
#include <sys/prctl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <filesystem>
#include <thread>
#include <vector>

#include "link/frame_collector.h"
#include "platform/device_opener.h"
#include "sim/line_pacer.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulated_receiver.h"
#include "tests/support/chrony_samples.h"
#include "tests/support/packets.h"
#include "tools/log_session.h"

namespace {

using namespace navbin;
using Steady = std::chrono::steady_clock;

constexpr int kBaud = 9600;
constexpr std::size_t kReports = 600;
constexpr auto kIdleGap = std::chrono::milliseconds(20);
constexpr auto kLimit = std::chrono::minutes(5);
constexpr double kMatchWindow = 0.005;  // s: a sample belongs to the report begun this close

double SystemSeconds(Steady::time_point at) {
  const auto system = std::chrono::system_clock::now() - (Steady::now() - at);
  return std::chrono::duration<double>(system.time_since_epoch()).count();
}

bool IsTimeReport(std::span<const std::uint8_t> frame) {
  return frame.size() > 3 && (frame[1] == 0x41 || (frame[1] == 0x8F && frame[2] == 0xAB));
}

// The receiver's side of the line: its output paced, and the instant each
// time report's first character begins noted as it is written.
class ReceiverLine {
 public:
  explicit ReceiverLine(std::string& error) : terminal_(sim::PseudoTerminal::Open(error)) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    receiver_.followClock(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
  bool ok() const { return terminal_ != nullptr; }
  const std::string& path() const { return terminal_->slavePath(); }
  int fd() const { return terminal_->masterFd(); }
  const std::vector<double>& starts() const { return starts_; }
  std::vector<double>& lateness() { return lateness_; }

  // The next second's broadcasts and the answer to a time request, queued
  // once the line has been idle long enough; when anything is next due.
  Steady::time_point serve(Steady::time_point now) {
    takeCommands();
    if (!pacer_.nextDue() && now >= pacer_.startOf(0) + kIdleGap) {
      receiver_.advance(std::chrono::seconds(1));
      receiver_.receive(support::Frame({0x21}));
      queue(receiver_.takeOutput(), now);
    }
    write(now);
    return pacer_.nextDue().value_or(pacer_.startOf(0) + kIdleGap);
  }

 private:
  void takeCommands() {
    std::uint8_t buffer[512];
    for (long n; (n = terminal_->read(buffer, sizeof buffer)) > 0;) {
      receiver_.receive({buffer, static_cast<std::size_t>(n)});
    }
  }
  void queue(const std::vector<std::uint8_t>& bytes, Steady::time_point now) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (frames_.feed(bytes[i]) && IsTimeReport(frames_.frame())) {
        marks_.push_back(queued_ + i + 1 - frames_.frame().size());
      }
    }
    queued_ += bytes.size();
    pacer_.queue(bytes, now);
  }
  void write(Steady::time_point now) {
    const auto due = pacer_.due(now);
    if (due.empty()) return;
    for (; !marks_.empty() && marks_.front() < written_ + due.size(); marks_.pop_front()) {
      starts_.push_back(SystemSeconds(pacer_.startOf(marks_.front() - written_)));
    }
    lateness_.push_back(std::chrono::duration<double>(now - pacer_.startOf(due.size())).count());
    terminal_->write(due);
    terminal_->flush();
    written_ += due.size();
    pacer_.take(due.size());
  }

  std::unique_ptr<sim::PseudoTerminal> terminal_;
  sim::SimulatedReceiver receiver_{11};
  sim::LinePacer pacer_{kBaud};
  link::FrameCollector frames_;
  std::deque<std::size_t> marks_;  // stream offsets of time reports not yet written
  std::size_t queued_ = 0, written_ = 0;
  std::vector<double> starts_;    // when each time report began, system clock seconds
  std::vector<double> lateness_;  // of each write after its last byte was due, s
};

// Each sample's error against the report begun nearest to it.
std::vector<double> Errors(const std::vector<double>& starts,
                           const std::vector<support::ChronySamples::Sample>& samples) {
  std::vector<double> errors;
  for (const auto& sample : samples) {
    const auto after = std::lower_bound(starts.begin(), starts.end(), sample.pc);
    double best = kMatchWindow;
    if (after != starts.end()) best = std::min(best, *after - sample.pc);
    if (after != starts.begin()) best = std::min(best, sample.pc - *std::prev(after));
    if (best >= kMatchWindow) continue;
    const bool early = after != starts.end() && *after - sample.pc == best;
    errors.push_back(early ? -best : best);
  }
  return errors;
}

void BM_TimeServiceReportTimestamps(benchmark::State& state) {
  ::prctl(PR_SET_TIMERSLACK, 1UL);  // wake-ups to the microsecond
  const auto folder = std::filesystem::temp_directory_path() / "navbin-time-bench";
  std::filesystem::create_directories(folder);
  std::string error;
  ReceiverLine line(error);
  if (!line.ok()) return state.SkipWithError(error.c_str());
  support::ChronySamples reports((folder / "reports.sock").string());
  tools::LogOptions options;
  options.ports = {line.path()};
  options.dataRoot = (folder / "").string();
  options.quiet = true;
  options.time.chronySock = reports.path();
  platform::DeviceOpener devices;
  tools::LogSession session(options, devices, stderr);
  if (session.start() != 0) return state.SkipWithError("navbin-log's session did not start");
  std::atomic<bool> stop = false;
  std::thread logger([&] { session.run([&] { return stop.load(); }); });

  std::vector<support::ChronySamples::Sample> samples;
  for (auto _ : state) {
    const auto end = Steady::now() + kLimit;
    while (samples.size() < kReports && Steady::now() < end) {
      const auto next = line.serve(Steady::now());
      pollfd commands{line.fd(), POLLIN, 0};
      const auto wait = std::max(next - Steady::now(), Steady::duration::zero());
      const timespec timeout{0,
                             std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::min<Steady::duration>(wait, std::chrono::milliseconds(100)))
                                 .count()};
      ::ppoll(&commands, 1, &timeout, nullptr);
      const auto got = reports.take();
      samples.insert(samples.end(), got.begin(), got.end());
    }
  }
  stop = true;
  logger.join();
  session.finish();
  std::filesystem::remove_all(folder);
  auto errors = Errors(line.starts(), samples);
  if (errors.empty()) return state.SkipWithError("no report sample matched a report");
  const auto at = [](std::vector<double>& values, double q) {
    std::sort(values.begin(), values.end());
    return 1e6 * values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
  };
  state.counters["reports"] = static_cast<double>(errors.size());
  state.counters["unmatched"] = static_cast<double>(samples.size() - errors.size());
  state.counters["error_p50_us"] = at(errors, 0.5);
  state.counters["error_p99_us"] = at(errors, 0.99);
  state.counters["error_min_us"] = at(errors, 0);
  state.counters["error_max_us"] = at(errors, 1);
  // How late this program's own writes were, part of the error above.
  state.counters["write_late_p99_us"] = at(line.lateness(), 0.99);
}
BENCHMARK(BM_TimeServiceReportTimestamps)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

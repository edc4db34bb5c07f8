// Helpers of the end-to-end tests: the monitor executable as a child process,
// and a tap that serves a pseudo-terminal with a simulated receiver while
// recording every command the monitor sends.

#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <memory>

#include "link/framing.h"
#include "sim/receiver_settings.h"

namespace navbin::sim {
class SimulatedReceiver;  // not included here: its emit() clashes with Qt's keyword
}

namespace navbin::e2e {

using Clock = std::chrono::steady_clock;

// A fresh folder under the build tree for one test's files.
std::string WorkFolder(const std::string& name);
std::string MonitorBinary();
std::string SimBinary();

// A program run with standard output and error going to files in `folder`
// (<program>.stdout, <program>.stderr). The monitor
// gets the offscreen platform, its own config folder, message boxes on
// standard error and its status row logged (see app/message_echo.h and
// app/state_log.h).
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& args,
               const std::string& folder, const std::map<std::string, std::string>& env = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  static std::map<std::string, std::string> MonitorEnvironment(const std::string& folder);

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  bool running();
  // The exit status, or nothing when the process still runs after `timeout`.
  std::optional<int> wait(std::chrono::milliseconds timeout);
  void terminate();
  // User plus system CPU time so far, in seconds.
  double cpuSeconds() const;
  // Peak resident memory (VmHWM) in kB, 0 when unknown.
  long peakRssKb() const;

  std::string stdoutText() const;
  std::string stderrText() const;

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
  std::string out_;
  std::string err_;
};

// One command as it arrived: its id (and sub-id for 0x8E) as "1F", "8E-15".
struct Arrival {
  std::string name;
  double ms;                        // since the tap started
  std::vector<std::uint8_t> bytes;  // the packet, id first, unframed
};

class ReceiverTap {
 public:
  explicit ReceiverTap(std::uint64_t seed = 7);
  ~ReceiverTap();
  ReceiverTap(const ReceiverTap&) = delete;
  ReceiverTap& operator=(const ReceiverTap&) = delete;

  const std::string& slavePath() const { return slavePath_; }
  bool ok() const { return master_ >= 0; }

  // Serves the line until `until` returns true or `limit` has passed.
  void serve(std::chrono::milliseconds limit, const std::function<bool()>& until = {});
  // The same for several lines at once.
  static void ServeAll(const std::vector<ReceiverTap*>& taps, std::chrono::milliseconds limit,
                       const std::function<bool()>& until = {});
  // One round: waits up to `pollMs` for commands, takes them, answers.
  void step(int pollMs);
  // Hangs up the line, as a receiver that is switched off or unplugged.
  void hangUp();
  // Writes one report (id first) to the monitor at once, ahead of whatever
  // the receiver answers next, as a receiver would that sent it.
  void inject(const std::vector<std::uint8_t>& packet);

  // The simulated receiver's settings, line in force, and whether it has a fix.
  const sim::ReceiverSettings& receiverSettings() const;
  const sim::SerialConfig& receiverLine() const;
  bool receiverHasFix() const;

  std::vector<Arrival> arrivals;
  std::size_t reportBytes = 0;     // report bytes written to the monitor
  std::vector<std::uint8_t> sent;  // and the bytes themselves, in order

 private:
  void take(const std::uint8_t* bytes, std::size_t n);

  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
  Clock::time_point start_;
  Clock::time_point lastAdvance_;
  std::unique_ptr<sim::SimulatedReceiver> receiver_;
  link::Deframer deframer_;
};

// The status row samples of the monitor's state log, one map per line.
using StateSample = std::map<std::string, std::string>;
std::vector<StateSample> ReadStateLog(const std::string& file);
// Waits until a sample of the state log, from sample `from` on, satisfies `want`.
bool WaitForSample(const std::string& file, const std::function<bool(const StateSample&)>& want,
                   std::chrono::milliseconds limit, std::size_t from = 0);

// The COM number the monitor stored for `path` in the settings under
// `folder`/config, 0 when none.
int StoredComOf(const std::string& folder, const std::string& path);

// Reads a whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace navbin::e2e

#include "tests/e2e/e2e_support.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "sim/line_check.h"
#include "sim/simulated_receiver.h"

extern char** environ;

namespace navbin::e2e {

namespace fs = std::filesystem;

std::string WorkFolder(const std::string& name) {
  const fs::path folder = fs::path(NAVBIN_BINARY_DIR) / "e2e" / name;
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directories(folder / "config", ec);
  return folder.string();
}

std::string MonitorBinary() {
  return std::string(NAVBIN_BINARY_DIR) + "/app/navbin-monitor";
}
std::string SimBinary() {
  return std::string(NAVBIN_BINARY_DIR) + "/sim/navbin-sim";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int StoredComOf(const std::string& folder, const std::string& path) {
  std::istringstream in(ReadFile(folder + "/config/Orvane/M2_Monitor.conf"));
  std::string line;
  while (std::getline(in, line)) {
    const auto eq = line.find('=');
    if (line.rfind("COM", 0) == 0 && eq != std::string::npos && line.substr(eq + 1) == path) {
      return std::atoi(line.substr(3, eq - 3).c_str());
    }
  }
  return 0;
}

// ---- ChildProcess ----

std::map<std::string, std::string> ChildProcess::MonitorEnvironment(const std::string& folder) {
  return {{"QT_QPA_PLATFORM", "offscreen"},
          {"XDG_CONFIG_HOME", folder + "/config"},
          {"NAVBIN_MESSAGE_BOXES", "stderr"},
          {"NAVBIN_STATE_LOG", folder + "/state.log"}};
}

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::string& folder, const std::map<std::string, std::string>& env)
    : out_(folder + "/" + fs::path(program).filename().string() + ".stdout"),
      err_(folder + "/" + fs::path(program).filename().string() + ".stderr") {
  std::vector<std::string> envText;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    const std::string key = entry.substr(0, entry.find('='));
    if (!env.count(key)) envText.push_back(entry);
  }
  for (const auto& [key, value] : env) envText.push_back(key + "=" + value);
  std::vector<char*> envp;
  for (auto& e : envText) envp.push_back(e.data());
  envp.push_back(nullptr);

  std::vector<std::string> argText{program};
  argText.insert(argText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argText) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) {
    pid_ = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (running()) {
    terminate();
    if (!wait(std::chrono::milliseconds(2000))) {
      ::kill(pid_, SIGKILL);
      wait(std::chrono::milliseconds(2000));
    }
  }
}

bool ChildProcess::running() {
  if (pid_ <= 0 || status_) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == pid_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
  }
  return true;
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  while (running() && Clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  running();
  return status_;
}

void ChildProcess::terminate() {
  if (running()) ::kill(pid_, SIGTERM);
}

double ChildProcess::cpuSeconds() const {
  // Fields 14 and 15 of /proc/<pid>/stat, after the parenthesised name.
  const std::string stat = ReadFile("/proc/" + std::to_string(pid_) + "/stat");
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream in(stat.substr(close + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && in >> field; ++i) {
    if (i == 14) utime = std::stoll(field);
    if (i == 15) stime = std::stoll(field);
  }
  return static_cast<double>(utime + stime) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

long ChildProcess::peakRssKb() const {
  std::istringstream in(ReadFile("/proc/" + std::to_string(pid_) + "/status"));
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

std::string ChildProcess::stdoutText() const {
  return ReadFile(out_);
}
std::string ChildProcess::stderrText() const {
  return ReadFile(err_);
}

// ---- ReceiverTap ----

ReceiverTap::ReceiverTap(std::uint64_t seed)
    : receiver_(std::make_unique<sim::SimulatedReceiver>(seed)) {
  char name[256] = {};
  if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
    master_ = slave_ = -1;
    return;
  }
  slavePath_ = name;
  // The slave stays open here too, so the master does not see a hang-up
  // before the monitor has opened the line, and raw so nothing is echoed.
  termios raw{};
  ::tcgetattr(slave_, &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(slave_, TCSANOW, &raw);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  // Programs the test starts (a network server in front of the line) must
  // not hold either end open past a hang-up.
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
  start_ = lastAdvance_ = Clock::now();
}

ReceiverTap::~ReceiverTap() {
  hangUp();
}

void ReceiverTap::hangUp() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

const sim::ReceiverSettings& ReceiverTap::receiverSettings() const {
  return receiver_->settings();
}
const sim::SerialConfig& ReceiverTap::receiverLine() const {
  return receiver_->lineInForce();
}
bool ReceiverTap::receiverHasFix() const {
  return receiver_->solution().hasFix;
}

void ReceiverTap::inject(const std::vector<std::uint8_t>& packet) {
  std::vector<std::uint8_t> frame(link::FrameLength(packet));
  frame.resize(link::BuildFrame(packet, frame));
  if (master_ >= 0 && !frame.empty() && ::write(master_, frame.data(), frame.size()) > 0) {
    reportBytes += frame.size();
  }
}

void ReceiverTap::take(const std::uint8_t* bytes, std::size_t n) {
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
  for (std::size_t i = 0; i < n; ++i) {
    if (deframer_.feed(bytes[i]) != 1) continue;
    char text[16];
    const auto payload = deframer_.payload();
    if ((deframer_.packetId == 0x8E || deframer_.packetId == 0x8F) && !payload.empty()) {
      std::snprintf(text, sizeof text, "%02X-%02X", deframer_.packetId, payload[0]);
    } else {
      std::snprintf(text, sizeof text, "%02X", deframer_.packetId);
    }
    std::vector<std::uint8_t> packet{static_cast<std::uint8_t>(deframer_.packetId)};
    packet.insert(packet.end(), payload.begin(), payload.end());
    arrivals.push_back({text, ms, std::move(packet)});
  }
  receiver_->receive({bytes, n});
}

void ReceiverTap::step(int pollMs) {
  if (master_ < 0) return;
  pollfd p{master_, POLLIN, 0};
  ::poll(&p, 1, pollMs);
  std::uint8_t buffer[4096];
  const long n = ::read(master_, buffer, sizeof buffer);
  if (n > 0) take(buffer, static_cast<std::size_t>(n));
  const auto now = Clock::now();
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - lastAdvance_);
  if (elapsed.count() > 0) {
    receiver_->advance(elapsed);
    lastAdvance_ += elapsed;
  }
  const sim::SerialConfig line = receiver_->lineInForce();
  const std::vector<std::uint8_t> out = receiver_->takeOutput();
  if (receiver_->lineWasSet() && !sim::LineAgrees(line, slave_)) return;  // garbled
  if (!out.empty() && ::write(master_, out.data(), out.size()) > 0) {
    reportBytes += out.size();
    sent.insert(sent.end(), out.begin(), out.end());
  }
}

void ReceiverTap::serve(std::chrono::milliseconds limit, const std::function<bool()>& until) {
  ServeAll({this}, limit, until);
}

void ReceiverTap::ServeAll(const std::vector<ReceiverTap*>& taps, std::chrono::milliseconds limit,
                           const std::function<bool()>& until) {
  const auto end = Clock::now() + limit;
  const int pollMs = taps.size() > 1 ? 2 : 10;
  while (Clock::now() < end && !(until && until())) {
    bool any = false;
    for (ReceiverTap* tap : taps) {
      any = any || tap->master_ >= 0;
      tap->step(pollMs);
    }
    if (!any) break;
  }
}

// ---- State log ----

std::vector<StateSample> ReadStateLog(const std::string& file) {
  std::vector<StateSample> samples;
  std::istringstream in(ReadFile(file));
  std::string line;
  while (std::getline(in, line)) {
    StateSample sample;
    std::size_t i = line.find(' ');
    sample["ms"] = line.substr(0, i);
    while (i != std::string::npos && i < line.size()) {
      const std::size_t eq = line.find('=', i + 1);
      if (eq == std::string::npos) break;
      const std::string key = line.substr(i + 1, eq - i - 1);
      std::string value;
      if (eq + 1 < line.size() && line[eq + 1] == '"') {
        const std::size_t endQuote = line.find('"', eq + 2);
        value = line.substr(eq + 2, endQuote - eq - 2);
        i = endQuote == std::string::npos ? endQuote : endQuote + 1;
      } else {
        i = line.find(' ', eq);
        value = line.substr(eq + 1, i == std::string::npos ? i : i - eq - 1);
      }
      sample[key] = value;
    }
    samples.push_back(std::move(sample));
  }
  return samples;
}

bool WaitForSample(const std::string& file, const std::function<bool(const StateSample&)>& want,
                   std::chrono::milliseconds limit, std::size_t from) {
  const auto end = Clock::now() + limit;
  while (Clock::now() < end) {
    const auto samples = ReadStateLog(file);
    for (std::size_t i = from; i < samples.size(); ++i) {
      if (want(samples[i])) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

}  // namespace navbin::e2e

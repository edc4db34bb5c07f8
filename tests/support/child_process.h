#pragma once
// A program of this project run as a child: its standard output and error on
// one pipe, every wait bounded, and killed if a test leaves it running.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace navbin::support {

using Ms = std::chrono::milliseconds;

// Exit code of `pid`; -2 when a signal ended it; -1 when it did not end
// within `budget` (it is then killed).
inline int WaitExit(pid_t pid, Ms budget) {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
    }
    ::poll(nullptr, 0, 5);
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return -1;
}

class ChildProcess {
 public:
  // Standard input comes from the file `input`, or from /dev/null.
  ChildProcess(const std::string& program, const std::vector<std::string>& args,
               const std::string& input = "/dev/null") {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out[1], 2);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    out_ = out[0];
  }
  ~ChildProcess() {
    if (pid_ > 0 && exitCode_ == kRunning) WaitExit(pid_, Ms(0));
    if (out_ >= 0) ::close(out_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  const std::string& out() const { return text_; }
  std::vector<std::string> outLines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text_.find('\n', start)) != std::string::npos; start = nl + 1) {
      lines.push_back(text_.substr(start, nl - start));
    }
    return lines;
  }

  // Reads until the output holds `lines` lines, it ends, or the budget runs out.
  void readOut(long lines, Ms budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    while (out_ >= 0 && std::count(text_.begin(), text_.end(), '\n') < lines &&
           std::chrono::steady_clock::now() < deadline) {
      pollfd p{out_, POLLIN, 0};
      if (::poll(&p, 1, 20) <= 0) continue;
      char buf[4096];
      const ssize_t n = ::read(out_, buf, sizeof buf);
      if (n > 0) {
        text_.append(buf, static_cast<std::size_t>(n));
      } else {
        ::close(out_);
        out_ = -1;
      }
    }
  }
  // Reads the output to its end, then waits for the exit code (see WaitExit).
  int finish(Ms budget) {
    readOut(1L << 30, budget);
    return waitExit(budget);
  }
  int waitExit(Ms budget) {
    if (exitCode_ == kRunning && pid_ > 0) exitCode_ = WaitExit(pid_, budget);
    return exitCode_;
  }

 private:
  static constexpr int kRunning = -100;
  pid_t pid_ = -1;
  int out_ = -1;
  std::string text_;
  int exitCode_ = kRunning;
};

}  // namespace navbin::support

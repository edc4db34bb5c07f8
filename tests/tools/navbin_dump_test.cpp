// navbin-dump run as a program: on the recordings, on standard input, on
// damaged and unreadable files, and live on a pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "json_shape.h"
#include "tests/link/link_test_support.h"

extern char** environ;

namespace navbin::tools {
namespace {

const std::string kDump = std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-dump";

struct RunResult {
  int exitCode = -1;
  std::vector<std::string> lines;
  std::string errors;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/navbin-dump-test-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Runs navbin-dump through the shell with `args` (already quoted as needed).
RunResult RunDump(const std::string& args) {
  TempDir tmp;
  const std::string out = tmp.file("out"), err = tmp.file("err");
  const std::string command = kDump + " " + args + " >'" + out + "' 2>'" + err + "'";
  const int status = std::system(command.c_str());
  RunResult r;
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.lines = Lines(Slurp(out));
  r.errors = Slurp(err);
  return r;
}

std::string Capture(const std::string& name) {
  return std::string(NAVBIN_CAPTURES_DIR) + "/" + name;
}

std::size_t KnownPacketCount(const link::test::CaptureExpectation& c) {
  std::size_t n = 0;
  for (const auto& g : c.groups) n += static_cast<std::size_t>(g.count);
  return n;
}

TEST(NavbinDump, PrintsOneLinePerPacketOfEveryRecording) {
  for (const auto& c : link::test::KnownCaptures()) {
    const RunResult text = RunDump("'" + Capture(c.file) + "'");
    EXPECT_EQ(text.exitCode, 0) << c.file;
    EXPECT_EQ(text.lines.size(), KnownPacketCount(c)) << c.file;
    EXPECT_TRUE(text.errors.empty()) << text.errors;

    const RunResult json = RunDump("--json '" + Capture(c.file) + "'");
    EXPECT_EQ(json.exitCode, 0);
    ASSERT_EQ(json.lines.size(), KnownPacketCount(c)) << c.file;
    for (const auto& line : json.lines) {
      ASSERT_TRUE(test::IsJsonObject(line)) << c.file << ": " << line;
      EXPECT_NE(line.find("\"len\":"), std::string::npos);
      EXPECT_NE(line.find("\"hex\":\""), std::string::npos);
    }
  }
}

TEST(NavbinDump, NamesSuperPacketsWithTheirSubId) {
  const RunResult r = RunDump("'" + Capture("timing-a.nvb") + "'");
  ASSERT_FALSE(r.lines.empty());
  EXPECT_EQ(r.lines[0].rfind("8F-AB 17 AB", 0), 0u) << r.lines[0];
  const RunResult j = RunDump("--json '" + Capture("timing-a.nvb") + "'");
  ASSERT_FALSE(j.lines.empty());
  EXPECT_EQ(j.lines[0].rfind("{\"id\":\"8F\",\"sub\":\"AB\",\"len\":17,", 0), 0u) << j.lines[0];
}

TEST(NavbinDump, ReadsStandardInput) {
  const RunResult r = RunDump("- < '" + Capture("timing-b.nvb") + "'");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.lines.size(), 125u);
}

TEST(NavbinDump, FileEndingInsideAFrameEndsWithoutError) {
  const auto bytes = link::test::ReadCapture("nav-tracking.nvb");
  std::size_t cut = bytes.size() / 2;
  while (bytes[cut] == 0x10 || bytes[cut - 1] == 0x10) ++cut;  // inside a payload
  const std::vector<std::uint8_t> head(bytes.begin(), bytes.begin() + static_cast<long>(cut));
  TempDir tmp;
  const std::string path = tmp.file("cut.nvb");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(head.data()), static_cast<long>(head.size()));
  const RunResult r = RunDump("'" + path + "'");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.lines.size(), link::test::DeframeAll(head).size());
  EXPECT_TRUE(r.errors.empty());

  std::ofstream(tmp.file("empty.nvb"));
  EXPECT_EQ(RunDump("'" + tmp.file("empty.nvb") + "'").lines.size(), 0u);
}

TEST(NavbinDump, UnreadableInputFailsWithAMessage) {
  RunResult r = RunDump("/no/such/file.nvb");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.errors.find("/no/such/file.nvb"), std::string::npos);
  r = RunDump("/tmp");  // a directory
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(r.errors.empty());
  EXPECT_EQ(RunDump("").exitCode, 2);
  EXPECT_EQ(RunDump("--bogus x").exitCode, 2);
  EXPECT_EQ(RunDump("/dev/null").exitCode, 0);  // not a terminal: read like a file
}

// Starts navbin-dump on a pseudo-terminal slave with its output on a pipe.
class LiveDump {
 public:
  explicit LiveDump(const std::string& device) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const std::string program = kDump;
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(device.c_str()), nullptr};
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    out_ = fds[0];
  }
  ~LiveDump() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
  }
  bool started() const { return pid_ > 0; }

  // Lines printed so far, waiting up to two seconds for `count` of them.
  std::vector<std::string> waitForLines(std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (Lines(text_).size() < count && std::chrono::steady_clock::now() < deadline) {
      pollfd p{out_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      char buf[4096];
      const ssize_t n = ::read(out_, buf, sizeof buf);
      if (n <= 0) break;
      text_.append(buf, static_cast<std::size_t>(n));
    }
    return Lines(text_);
  }
  // The exit code once the program ends by itself within two seconds, else -1.
  int waitForExit() {
    for (int i = 0; i < 200; ++i) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      ::poll(nullptr, 0, 10);
    }
    return -1;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  bool exited_ = false;
  std::string text_;
};

TEST(NavbinDump, ReadsALiveDeviceUntilItGoesAway) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);  // the child must not keep the far side open
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  LiveDump dump(::ptsname(master));
  ASSERT_TRUE(dump.started());
  // Bytes sent before the program has put the line in raw mode would meet
  // the terminal's default line editing; wait for raw mode first.
  for (int i = 0; i < 200; ++i) {
    termios t{};
    ::tcgetattr(master, &t);  // a master reports its slave's settings
    if (!(t.c_lflag & ICANON)) break;
    ::poll(nullptr, 0, 10);
  }
  std::vector<std::uint8_t> frames = link::test::Frame({0x41, 1, 2, 3});
  const auto second = link::test::Frame({0x8F, 0xAB, 0x10});
  frames.insert(frames.end(), second.begin(), second.end());
  ASSERT_EQ(::write(master, frames.data(), frames.size()), static_cast<ssize_t>(frames.size()));
  const auto lines = dump.waitForLines(2);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("41 3 010203", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("8F-AB 2 AB10", 0), 0u) << lines[1];
  ::close(master);  // the far side hangs up: the dump ends normally
  EXPECT_EQ(dump.waitForExit(), 0);
}

}  // namespace
}  // namespace navbin::tools

// navbin-sim as a program: its output, links, silent ports, signals and exit
// codes; and the pseudo-terminal's behaviour towards an unprivileged monitor.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "link/port_context.h"
#include "link/serial_channel.h"
#include "platform/port_map.h"
#include "platform/posix_serial_device.h"
#include "protocol/commands/query_commands.h"
#include "sim/pseudo_terminal.h"

extern char** environ;

namespace navbin::sim {
namespace {

using Clock = std::chrono::steady_clock;
const std::string kProgram = NAVBIN_BINARY_DIR "/sim/navbin-sim";

struct Child {
  pid_t pid = -1;
  int out = -1;  // read ends
  int err = -1;
};

Child Spawn(const std::vector<std::string>& args) {
  int out[2], err[2];
  if (::pipe(out) != 0 || ::pipe(err) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  std::vector<char*> argv{const_cast<char*>(kProgram.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  Child c;
  if (posix_spawn(&c.pid, kProgram.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    c.pid = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  c.out = out[0];
  c.err = err[0];
  return c;
}

// Reads from `fd` until `lines` newlines arrived, end of file or the deadline.
std::string ReadLines(int fd, int lines, std::chrono::milliseconds budget) {
  std::string text;
  const auto deadline = Clock::now() + budget;
  while (std::count(text.begin(), text.end(), '\n') < lines && Clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    char buf[512];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  return text;
}

// Exit status, or -1 when the child did not end within the budget (it is
// then killed).
int WaitExit(pid_t pid, std::chrono::milliseconds budget) {
  const auto deadline = Clock::now() + budget;
  int status = 0;
  while (Clock::now() < deadline) {
    if (::waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
    ::usleep(5000);
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return -1;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(text.substr(start, nl - start));
  }
  return lines;
}

TEST(SimProgram, ArgumentsAndHelp) {
  Child bad = Spawn({"--ports", "zero"});
  ASSERT_GT(bad.pid, 0);
  EXPECT_EQ(WaitExit(bad.pid, std::chrono::milliseconds(2000)), 2);
  EXPECT_NE(ReadLines(bad.err, 20, std::chrono::milliseconds(200)).find("Usage:"),
            std::string::npos);

  Child help = Spawn({"--help"});
  EXPECT_EQ(WaitExit(help.pid, std::chrono::milliseconds(2000)), 0);
  EXPECT_NE(ReadLines(help.out, 20, std::chrono::milliseconds(200)).find("--silent K"),
            std::string::npos);
  for (int fd : {bad.out, bad.err, help.out, help.err}) ::close(fd);
}

TEST(SimProgram, ServesLinkedPortsAndStopsOnSignal) {
  const std::string link =
      (std::filesystem::temp_directory_path() / ("navbin-sim-test-" + std::to_string(::getpid())))
          .string();
  Child sim = Spawn({"--ports", "2", "--link", link, "--seed", "5", "--silent", "2"});
  ASSERT_GT(sim.pid, 0);
  const auto lines = SplitLines(ReadLines(sim.out, 2, std::chrono::milliseconds(2000)));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::filesystem::read_symlink(link), lines[0]);
  EXPECT_EQ(std::filesystem::read_symlink(link + "1"), lines[1]);

  platform::PosixSerialBackend backend;
  platform::PortMap map;
  link::SerialChannel channel(backend, map);
  link::PortTable ports;
  ASSERT_EQ(channel.OpenPort(ports[0], link, 0), 0);
  ASSERT_EQ(channel.OpenPort(ports[1], link + "1", 1), 0);
  const auto version = commands::BuildRequestVersion();
  for (auto& port : ports) {
    if (port.isOpen) channel.WriteFrame(version.size(), version.data(), port);
  }
  std::vector<int> answers(2);
  std::vector<std::size_t> lengths;
  const auto deadline = Clock::now() + std::chrono::milliseconds(1200);
  while (Clock::now() < deadline) {
    for (int i = 0; i < 2; ++i) {
      channel.PollPort(
          ports[static_cast<std::size_t>(i)],
          [&](link::PortContext& p) {
            ++answers[static_cast<std::size_t>(i)];
            if (p.packetId == 0x45) lengths.push_back(p.packetLen);
          },
          false);
    }
    ::usleep(10000);
  }
  EXPECT_EQ(lengths, std::vector<std::size_t>{10u}) << "port 1 answers its version once";
  EXPECT_GE(answers[0], 2) << "and broadcasts its fix";
  EXPECT_EQ(answers[1], 0) << "port 2 is silent";
  channel.ClosePort(ports[0]);
  channel.ClosePort(ports[1]);

  ASSERT_EQ(::kill(sim.pid, SIGTERM), 0);
  EXPECT_EQ(WaitExit(sim.pid, std::chrono::milliseconds(2000)), 0);
  EXPECT_FALSE(std::filesystem::is_symlink(link)) << "links removed at exit";
  EXPECT_FALSE(std::filesystem::is_symlink(link + "1"));
  ::close(sim.out);
  ::close(sim.err);
}

// The simulator's own slave descriptor must not keep an unprivileged monitor
// from opening the port exclusively, nor from opening it again after a close.
int OpenCloseReopen(const std::string& path) {
  platform::PosixSerialBackend backend;
  auto device = backend.open(path);
  if (!device) return 1;
  if (backend.open(path)) return 2;
  device.reset();
  if (!backend.open(path)) return 3;
  return 0;
}

TEST(SimProgram, UnprivilegedMonitorOpensAndReopens) {
  std::string error;
  auto pty = PseudoTerminal::Open(error);
  ASSERT_TRUE(pty) << error;
  if (::geteuid() != 0) {
    EXPECT_EQ(OpenCloseReopen(pty->slavePath()), 0);
    return;
  }
  ASSERT_EQ(::chmod(pty->slavePath().c_str(), 0666), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(9);
    ::_exit(OpenCloseReopen(pty->slavePath()));
  }
  EXPECT_EQ(WaitExit(child, std::chrono::milliseconds(2000)), 0);
}

}  // namespace
}  // namespace navbin::sim

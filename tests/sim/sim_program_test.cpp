// navbin-sim as a program: its output, links, silent ports, signals and exit
// codes; and the pseudo-terminal's behaviour towards an unprivileged monitor.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "link/serial_channel.h"
#include "platform/posix_serial_device.h"
#include "protocol/commands/query_commands.h"
#include "sim/pseudo_terminal.h"
#include "tests/support/child_process.h"

namespace navbin::sim {
namespace {

using support::ChildProcess;
using support::Ms;

const std::string kProgram = NAVBIN_BINARY_DIR "/sim/navbin-sim";

TEST(SimProgram, ArgumentsAndHelp) {
  ChildProcess bad(kProgram, {"--ports", "zero"});
  EXPECT_EQ(bad.finish(Ms(2000)), 2);
  EXPECT_NE(bad.out().find("Usage:"), std::string::npos);
  ChildProcess help(kProgram, {"--help"});
  EXPECT_EQ(help.finish(Ms(2000)), 0);
  EXPECT_NE(help.out().find("--silent K"), std::string::npos);
}

TEST(SimProgram, ServesLinkedPortsAndStopsOnSignal) {
  const std::string link =
      std::filesystem::temp_directory_path() / ("navbin-sim-test-" + std::to_string(::getpid()));
  ChildProcess sim(kProgram, {"--ports", "2", "--link", link, "--seed", "5", "--silent", "2"});
  ASSERT_TRUE(sim.started());
  sim.readOut(2, Ms(2000));
  const auto lines = sim.outLines();
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
  for (int i = 0; i < 2; ++i) channel.WriteFrame(version.size(), version.data(), ports[i]);
  int answers[2] = {0, 0};
  std::vector<std::size_t> lengths;
  for (const auto end = std::chrono::steady_clock::now() + Ms(1200);
       std::chrono::steady_clock::now() < end;) {
    for (int i = 0; i < 2; ++i) {
      const link::PacketHandler handler = [&](link::PortContext& p) {
        ++answers[i];
        if (p.packetId == 0x45) lengths.push_back(p.packetLen);
      };
      channel.WaitForInput(ports[i], 5);
      channel.PollPort(ports[i], handler, false);
    }
  }
  EXPECT_EQ(lengths, std::vector<std::size_t>{10u}) << "port 1 answers its version once";
  EXPECT_GE(answers[0], 2) << "and broadcasts its fix";
  EXPECT_EQ(answers[1], 0) << "port 2 is silent";
  channel.ClosePort(ports[0]);
  channel.ClosePort(ports[1]);

  ASSERT_EQ(::kill(sim.pid(), SIGTERM), 0);
  EXPECT_EQ(sim.waitExit(Ms(2000)), 0);
  EXPECT_FALSE(std::filesystem::is_symlink(link)) << "links removed at exit";
  EXPECT_FALSE(std::filesystem::is_symlink(link + "1"));
}

// The simulator's own slave descriptor must not keep an unprivileged monitor
// from opening the port exclusively, nor from opening it again after a close.
int OpenCloseReopen(const std::string& path) {
  platform::PosixSerialBackend backend;
  auto device = backend.open(path);
  if (!device) return 1;
  if (backend.open(path)) return 2;
  device.reset();
  return backend.open(path) ? 0 : 3;
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
  EXPECT_EQ(support::WaitExit(child, Ms(2000)), 0);
}

}  // namespace
}  // namespace navbin::sim

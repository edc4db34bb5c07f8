// Receivers over the network: navbin-dump on navbin-sim --tcp against the
// same receiver on a pseudo-terminal, and an rfc2217:// port through Debian's
// ser2net in front of a simulated receiver's terminal, line settings included.

#include <signal.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "link/serial_channel.h"
#include "platform/device_opener.h"
#include "protocol/commands/config_commands.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback_server.h"

namespace navbin::sim {
namespace {

using support::ChildProcess;
using support::Ms;
using Clock = std::chrono::steady_clock;

const std::string kSim = NAVBIN_BINARY_DIR "/sim/navbin-sim";
const std::string kDump = NAVBIN_BINARY_DIR "/tools/navbin-dump";
const std::string kSer2net = "/usr/sbin/ser2net";

// The first `count` lines navbin-dump prints of the receiver navbin-sim
// (started with `simArgs`) serves at the path or URL it prints.
std::vector<std::string> DumpLines(const std::vector<std::string>& simArgs, long count) {
  ChildProcess sim(kSim, simArgs);
  sim.readOut(1, Ms(2000));
  if (sim.outLines().empty()) return {};
  ChildProcess dump(kDump, {sim.outLines()[0]});
  dump.readOut(count, Ms(8000));
  auto lines = dump.outLines();
  lines.resize(std::min<std::size_t>(lines.size(), count));
  return lines;
}

TEST(NetworkPorts, DumpOfTheTcpSimulatorDecodesAsItsTerminal) {
  const std::string port = std::to_string(support::FreeLoopbackPort());
  const auto terminal = DumpLines({"--seed", "3"}, 8);
  const auto tcp = DumpLines({"--seed", "3", "--tcp", port}, 4);
  ASSERT_EQ(tcp.size(), 4u);
  // The terminal may hold a report sent before the dump opened it.
  const auto first = std::find(terminal.begin(), terminal.end(), tcp[0]);
  ASSERT_LE(first + 4, terminal.end()) << tcp[0];
  EXPECT_EQ(std::vector<std::string>(first, first + 4), tcp);
}

class Ser2netPeer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(kSer2net))
        << kSer2net << " is missing: scripts/deps installs Debian's ser2net";
    sim.readOut(1, Ms(2000));
    ASSERT_FALSE(sim.outLines().empty());
    folder =
        std::filesystem::temp_directory_path() / ("navbin-ser2net-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "ser2net.yaml")
        << "%YAML 1.1\n---\nconnection: &con\n  accepter: telnet(rfc2217),tcp,127.0.0.1," << tcpPort
        << "\n  connector: serialdev," << sim.outLines()[0] << ",9600o81,local\n";
    ser2net.emplace(kSer2net, std::vector<std::string>{"-n", "-c", folder / "ser2net.yaml"});
    ASSERT_TRUE(ser2net->started());
  }
  void TearDown() override {
    if (ser2net && ::kill(ser2net->pid(), SIGTERM) == 0) ser2net->waitExit(Ms(2000));
    std::filesystem::remove_all(folder);
  }
  // Opens the port once ser2net listens (it starts in the background).
  bool open() {
    const std::string url = "rfc2217://127.0.0.1:" + std::to_string(tcpPort);
    for (const auto end = Clock::now() + Ms(3000); Clock::now() < end;) {
      if (channel.OpenPort(port, url, 0) == 0 && packets(1, Ms(1500)) > 0) return true;
      channel.ClosePort(port);
      ::poll(nullptr, 0, 100);
    }
    return false;
  }
  // Packets that came within `budget`, up to `count`.
  int packets(int count, Ms budget) {
    int seen = 0;
    const link::PacketHandler handler = [&](link::PortContext&) { ++seen; };
    for (const auto end = Clock::now() + budget; seen < count && Clock::now() < end;) {
      channel.WaitForInput(port, 20);
      channel.PollPort(port, handler, false);
    }
    return seen;
  }

  std::uint16_t tcpPort = support::FreeLoopbackPort();
  ChildProcess sim{kSim, {"--seed", "4"}};
  std::optional<ChildProcess> ser2net;
  std::filesystem::path folder;
  platform::DeviceOpener opener;
  platform::PortMap map;
  link::SerialChannel channel{opener, map};
  link::PortContext port;
};

TEST_F(Ser2netPeer, CarriesPacketsAndMovesTheRemoteLine) {
  ASSERT_TRUE(open());
  EXPECT_EQ(packets(4, Ms(3000)), 4);
  // The receiver moves to 38400, then the PC side; the simulator only goes
  // on talking when its terminal, set by ser2net, follows.
  const auto move = commands::BuildSetSerialPortConfiguration({0xFF, 9, 3, 1, 0, 2, 2});
  ASSERT_EQ(channel.WriteFrame(move.size(), move.data(), port), 0);
  packets(1000, Ms(300));
  ASSERT_EQ(channel.SetLineParameters(*port.handle, 38400, 8, 1, 0), 0);
  packets(1000, Ms(500));
  const auto* device = dynamic_cast<platform::NetworkSerialDevice*>(port.handle.get());
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->reportedLine()->baud, 38400u);
  EXPECT_GE(packets(4, Ms(3000)), 4);
}

}  // namespace
}  // namespace navbin::sim

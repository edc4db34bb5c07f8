// Receivers over the network: navbin-dump on navbin-sim --tcp against the
// same receiver on a pseudo-terminal, and an rfc2217:// port through Debian's
// ser2net in front of a simulated receiver's terminal, line settings included.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "link/serial_channel.h"
#include "platform/device_opener.h"
#include "platform/network_serial_device.h"
#include "protocol/commands/config_commands.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback_server.h"
#include "tests/support/ser2net.h"

namespace navbin::sim {
namespace {

using support::ChildProcess;
using support::Ms;
using support::Ser2net;
using Clock = std::chrono::steady_clock;

const std::string kSim = NAVBIN_BINARY_DIR "/sim/navbin-sim";
const std::string kDump = NAVBIN_BINARY_DIR "/tools/navbin-dump";

// The first `count` lines navbin-dump prints of the receiver navbin-sim
// (started with `simArgs`) serves at the path or URL it prints, or at the
// port `route` makes of it.
std::vector<std::string> DumpLines(
    const std::vector<std::string>& simArgs, long count,
    const std::function<std::string(const std::string&)>& route = {}) {
  ChildProcess sim(kSim, simArgs);
  sim.readOut(1, Ms(2000));
  if (sim.outLines().empty()) return {};
  const std::string port = route ? route(sim.outLines()[0]) : sim.outLines()[0];
  if (port.empty()) return {};
  ChildProcess dump(kDump, {port});
  dump.readOut(count, Ms(8000));
  auto lines = dump.outLines();
  lines.resize(std::min<std::size_t>(lines.size(), count));
  return lines;
}

// Whether `far`, four lines dumped over the network, runs on in `terminal`:
// the terminal may hold a report sent before the dump opened it.
void ExpectRunsOn(const std::vector<std::string>& terminal, const std::vector<std::string>& far) {
  ASSERT_EQ(far.size(), 4u);
  const auto first = std::find(terminal.begin(), terminal.end(), far[0]);
  ASSERT_LE(first + 4, terminal.end()) << far[0];
  EXPECT_EQ(std::vector<std::string>(first, first + 4), far);
}

TEST(NetworkPorts, DumpOverTheNetworkDecodesAsOnTheTerminal) {
  const auto terminal = DumpLines({"--seed", "3"}, 8);
  const std::string port = std::to_string(support::FreeLoopbackPort());
  ExpectRunsOn(terminal, DumpLines({"--seed", "3", "--tcp", port}, 4));
  ASSERT_TRUE(Ser2net::Installed());
  std::optional<Ser2net> server;
  ExpectRunsOn(terminal, DumpLines({"--seed", "3"}, 4, [&](const std::string& device) {
                 server.emplace(device);
                 return server->waitListening(Ms(3000)) ? server->url() : std::string();
               }));
}

class Ser2netPeer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Ser2net::Installed())
        << Ser2net::kProgram << " is missing: scripts/deps installs Debian's ser2net";
    sim.readOut(1, Ms(2000));
    ASSERT_FALSE(sim.outLines().empty());
    ser2net.emplace(sim.outLines()[0]);
    ASSERT_TRUE(ser2net->started());
  }
  // Opens the port once ser2net listens (it starts in the background).
  bool open() {
    const std::string url = ser2net->url();
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

  ChildProcess sim{kSim, {"--seed", "4"}};
  std::optional<Ser2net> ser2net;
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

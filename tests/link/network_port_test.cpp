// Network ports through the channel, against a loopback server: bytes both
// ways unharmed, the COM port option's line settings, and connections that
// are refused, hang or end.

#include <gtest/gtest.h>

#include <chrono>

#include "link/serial_channel.h"
#include "platform/device_opener.h"
#include "platform/network_serial_device.h"
#include "platform/telnet_reader.h"
#include "tests/support/loopback_server.h"
#include "tests/support/packets.h"

namespace navbin::link {
namespace {

using namespace platform::telnet;
using support::Bytes;
using support::Frame;
using support::Packet;
using Clock = std::chrono::steady_clock;

class NetworkPortTest : public ::testing::Test {
 protected:
  void open(const std::string& scheme) {
    ASSERT_TRUE(server.ok());
    ASSERT_EQ(channel.OpenPort(port, server.url(scheme), 0), 0);
    ASSERT_TRUE(server.accept());
    channel.PollPort(port, handler, false);  // sees the connect made
  }
  // Polls until `count` packets came, the port is lost, or about two seconds.
  void pollFor(std::size_t count) {
    for (int i = 0; i < 200 && seen.size() < count && !port.deviceLost; ++i) {
      channel.WaitForInput(port, 10);
      channel.PollPort(port, handler, false);
    }
  }
  int write(const Bytes& packet) { return channel.WriteFrame(packet.size(), packet.data(), port); }

  support::LoopbackServer server;
  platform::DeviceOpener opener{std::chrono::milliseconds(300)};
  platform::PortMap map;
  SerialChannel channel{opener, map};
  PortContext port;
  std::vector<Packet> seen;
  PacketHandler handler = [this](PortContext& p) { seen.push_back(support::PacketOf(p)); };
};

const Bytes kPacket = {0x4A, 0xFF, 0x10, 0xFF, 0x03};

TEST_F(NetworkPortTest, RawStreamCarriesFramesUnchangedUntilTheServerCloses) {
  open("tcp");
  server.send(Frame(kPacket));
  pollFor(1);
  ASSERT_EQ(seen, (std::vector<Packet>{{0x4A, {0xFF, 0x10, 0xFF, 0x03}}}));
  EXPECT_EQ(write(kPacket), 0);
  EXPECT_EQ(server.receive(Frame(kPacket).size()), Frame(kPacket));  // no line settings sent
  server.closeClient();
  pollFor(2);
  EXPECT_TRUE(port.deviceLost);
}

TEST_F(NetworkPortTest, ComPortOptionCarriesLineSettingsAndEscapedBytes) {
  open("rfc2217");
  EXPECT_EQ(server.receive(15).size(), 15u);  // the opening requests
  Bytes escaped;
  platform::TelnetSession::encodeData(Frame(kPacket), escaped);
  Bytes fromServer{kIac, kDo, kComPort};
  fromServer.insert(fromServer.end(), escaped.begin(), escaped.end());
  server.send(fromServer);
  pollFor(1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].payload, (Bytes{0xFF, 0x10, 0xFF, 0x03}));
  const Bytes atOpen = server.receive(31);  // 9600 8-O-1, four commands
  ASSERT_EQ(atOpen.size(), 31u);
  EXPECT_EQ(Bytes(atOpen.begin() + 3, atOpen.begin() + 8), (Bytes{1, 0, 0, 0x25, 0x80}));
  ASSERT_EQ(channel.SetLineParameters(*port.handle, 38400, 8, 1, 0), 0);
  const Bytes moved = server.receive(31);
  ASSERT_EQ(moved.size(), 31u);
  EXPECT_EQ(Bytes(moved.begin() + 3, moved.begin() + 8), (Bytes{1, 0, 0, 0x96, 0x00}));
  EXPECT_EQ(write(kPacket), 0);
  EXPECT_EQ(server.receive(escaped.size()), escaped);
}

TEST_F(NetworkPortTest, ConnectionsThatFailBecomeLostWithoutBlocking) {
  // A listener whose one queue place is taken: the next connect hangs.
  support::LoopbackServer full(0, 0);
  auto held = opener.open(full.url("tcp"));
  const std::uint16_t freePort = support::FreeLoopbackPort();
  struct Case {
    std::string url;
    bool opens;
    int lostAfterMs;  // at least this, and less than this + 250
  } cases[] = {
      {"rfc2217://127.0.0.1", false, 0},
      {"tcp://127.0.0.1:" + std::to_string(freePort), true, 0},      // refused
      {"rfc2217://localhost:" + std::to_string(freePort), true, 0},  // looked up, refused
      {full.url("tcp"), true, 300},                                  // the connect time-out
  };
  for (const Case& c : cases) {
    PortContext p;
    const auto start = Clock::now();
    ASSERT_EQ(channel.OpenPort(p, c.url, 0) == 0, c.opens) << c.url;
    if (!c.opens) continue;
    Clock::duration slowest{};
    while (!p.deviceLost && Clock::now() - start < std::chrono::seconds(2)) {
      const auto before = Clock::now();
      channel.PollPort(p, handler, false);
      slowest = std::max(slowest, Clock::now() - before);
    }
    const auto lostAfter = Clock::now() - start;
    EXPECT_TRUE(p.deviceLost) << c.url;
    EXPECT_GE(lostAfter, std::chrono::milliseconds(c.lostAfterMs)) << c.url;
    EXPECT_LT(lostAfter, std::chrono::milliseconds(c.lostAfterMs + 250)) << c.url;
    EXPECT_LT(slowest, std::chrono::milliseconds(20)) << c.url;
  }
}

}  // namespace
}  // namespace navbin::link

#include "protocol/commands/packet_sender.h"

#include <chrono>

#include <gtest/gtest.h>

#include "tests/commands/sender_fixture.h"

namespace navbin::commands {
namespace {

class PacketSenderTest : public ::testing::Test, public testing::SenderFixture {
 protected:
  void sendVersionQuery(int selector) {
    const std::uint8_t query = 0x1F;
    sender.SendPacket(selector, 1, &query);
  }
};

TEST(PacketSender, SelectorsReachTheirPortsWithOneLampAndOnePause) {
  struct Case {
    const char* what;
    int displayPort;
    bool txAll;
    std::vector<int> open;
    int selector;
    std::vector<int> written;  // COM numbers, in order
    bool lampAndPause;
  };
  const Case cases[] = {
      {"display port", 5, false, {5, 2}, DISPLAY_PORT, {5}, true},
      {"Tx All: every open port in order", 5, true, {9, 2, 5}, DISPLAY_PORT, {2, 5, 9}, true},
      {"Tx All with no port open", 5, true, {}, DISPLAY_PORT, {}, true},
      {"all ports ignore the switch", 1, false, {3, 16}, ALL_PORTS, {3, 16}, true},
      {"a port index ignores the switch", 1, true, {1, 2}, 1, {2}, true},
      {"closed port", 1, false, {1}, 3, {}, false},
      {"closed display port", 7, false, {1}, DISPLAY_PORT, {}, false},
      {"no display port yet", 0, false, {1}, DISPLAY_PORT, {}, false},
      {"negative index", 1, false, {1}, -1, {}, false},
      {"index past the table", 1, false, {1}, 16, {}, false},
      {"no such selector", 1, true, {1}, 1023, {}, false},
      {"nor this one", 1, true, {1}, 1026, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::SenderFixture f;
    f.shell.displayPort = c.displayPort;
    f.shell.transmitToAll = c.txAll;
    for (int com : c.open) f.open(com);
    const std::uint8_t query = 0x1F;
    f.sender.SendPacket(c.selector, 1, &query);
    EXPECT_EQ(f.writtenComs(), c.written);
    for (const auto& w : f.writes) EXPECT_EQ(w.frame, (testing::Bytes{0x10, 0x1F, 0x10, 0x03}));
    EXPECT_EQ(f.lampPaints, c.lampAndPause ? 1 : 0);
    EXPECT_EQ(f.sender.pauseCount(), c.lampAndPause ? 1u : 0u);
  }
}

TEST_F(PacketSenderTest, PortClosedInTheMeantimeOrUnpluggedDoesNotCrashTheSend) {
  open(4);
  ASSERT_EQ(channel.ClosePort(ports[3]), 0);
  sendVersionQuery(3);
  EXPECT_TRUE(writes.empty());
  open(1);
  memory.line(testing::MemoryPath(1))->setLost(true);
  sendVersionQuery(0);
  sendVersionQuery(0);
  EXPECT_TRUE(ports[0].deviceLost);
  EXPECT_TRUE(memory.line(testing::MemoryPath(1))->frames().empty());
}

TEST_F(PacketSenderTest, PauseSleepsTheConfiguredTime) {
  open(1);
  sender.setPause(std::chrono::microseconds(2000));
  const auto start = std::chrono::steady_clock::now();
  sendVersionQuery(0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(2000));
}

TEST_F(PacketSenderTest, ArmLogTriggerAddressesOnePort) {
  shell.displayPort = 4;
  shell.transmitToAll = true;
  open(2);
  open(4);
  for (int selector : {DISPLAY_PORT, 10, -3, 99}) sender.armLogTrigger(selector);
  std::array<std::uint8_t, link::kPortCount> expected{};
  expected[3] = expected[10] = 1;
  EXPECT_EQ(logTrigger, expected);
  sender.armLogTrigger(ALL_PORTS);
  expected[1] = 1;
  EXPECT_EQ(logTrigger, expected);
}

}  // namespace
}  // namespace navbin::commands

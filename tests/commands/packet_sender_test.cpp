#include "protocol/commands/packet_sender.h"

#include <chrono>
#include <vector>

#include <gtest/gtest.h>

#include "tests/commands/sender_fixture.h"

namespace navbin::commands {
namespace {

using testing::Framed;
using testing::SenderFixture;

const std::vector<std::uint8_t> kVersionQuery = {0x1F};
const std::vector<std::uint8_t> kVersionFrame = {0x10, 0x1F, 0x10, 0x03};

class PacketSenderTest : public ::testing::Test, public SenderFixture {
 protected:
  void send(int selector) {
    sender.SendPacket(selector, kVersionQuery.size(), kVersionQuery.data());
  }
};

TEST_F(PacketSenderTest, DisplayPortGoesToTheDisplayPortOnly) {
  shell.displayPort = 5;
  open(5);
  open(2);
  send(DISPLAY_PORT);
  ASSERT_EQ(writtenComs(), std::vector<int>{5});
  EXPECT_EQ(backend.writes[0].frame, kVersionFrame);
  EXPECT_EQ(lampPaints, 1);
  EXPECT_EQ(sender.pauseCount(), 1u);
}

TEST_F(PacketSenderTest, TransmitToAllCopiesToEveryOpenPortInOrderWithOnePause) {
  shell.displayPort = 5;
  shell.transmitToAll = true;
  open(9);
  open(2);
  open(5);
  send(DISPLAY_PORT);
  EXPECT_EQ(writtenComs(), (std::vector<int>{2, 5, 9}));
  for (const auto& w : backend.writes) EXPECT_EQ(w.frame, kVersionFrame);
  EXPECT_EQ(lampPaints, 1);
  EXPECT_EQ(sender.pauseCount(), 1u);
}

TEST_F(PacketSenderTest, TransmitToAllWithNoPortOpenStillLightsAndPauses) {
  shell.transmitToAll = true;
  send(DISPLAY_PORT);
  EXPECT_TRUE(backend.writes.empty());
  EXPECT_EQ(lampPaints, 1);
  EXPECT_EQ(sender.pauseCount(), 1u);
}

TEST_F(PacketSenderTest, AllPortsIgnoresTheSwitch) {
  open(3);
  open(16);
  send(ALL_PORTS);
  EXPECT_EQ(writtenComs(), (std::vector<int>{3, 16}));
  EXPECT_EQ(sender.pauseCount(), 1u);
}

TEST_F(PacketSenderTest, ClosedPortIsDroppedWithoutLampOrPause) {
  open(1);
  send(3);  // COM4, not open
  shell.displayPort = 7;
  send(DISPLAY_PORT);  // display port closed, switch off
  open(4);
  ASSERT_EQ(channel.ClosePort(ports[3]), 0);
  send(3);  // closed in the meantime
  EXPECT_TRUE(backend.writes.empty());
  EXPECT_EQ(lampPaints, 0);
  EXPECT_EQ(sender.pauseCount(), 0u);
}

TEST_F(PacketSenderTest, PortIndexIgnoresTheSwitch) {
  shell.transmitToAll = true;
  open(1);
  open(2);
  send(1);
  EXPECT_EQ(writtenComs(), std::vector<int>{2});
}

TEST_F(PacketSenderTest, SelectorsThatAreNoPortSendNothing) {
  open(1);
  shell.displayPort = 0;  // no display port yet
  for (int selector : {-1, 16, 1023, 1026, DISPLAY_PORT}) send(selector);
  EXPECT_TRUE(backend.writes.empty());
  EXPECT_EQ(sender.pauseCount(), 0u);
}

TEST_F(PacketSenderTest, UnpluggedPortDoesNotCrashTheSend) {
  open(1);
  backend.memory.line(testing::MemoryPath(1))->setLost(true);
  send(0);
  send(0);
  EXPECT_TRUE(ports[0].deviceLost);
  EXPECT_TRUE(backend.memory.line(testing::MemoryPath(1))->frames().empty());
}

TEST_F(PacketSenderTest, PauseSleepsTheConfiguredTime) {
  open(1);
  sender.setPause(std::chrono::microseconds(2000));
  const auto start = std::chrono::steady_clock::now();
  send(0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(2000));
}

TEST_F(PacketSenderTest, FrameStuffsDleBytes) {
  open(1);
  const std::vector<std::uint8_t> packet = {0x8E, 0x15, 0x00, 0x10};
  sender.SendPacket(0, packet.size(), packet.data());
  ASSERT_EQ(backend.writes.size(), 1u);
  EXPECT_EQ(backend.writes[0].frame,
            (std::vector<std::uint8_t>{0x10, 0x8E, 0x15, 0x00, 0x10, 0x10, 0x10, 0x03}));
}

TEST_F(PacketSenderTest, ArmLogTriggerAddressesOnePort) {
  shell.displayPort = 4;
  shell.transmitToAll = true;
  open(2);
  open(4);
  sender.armLogTrigger(DISPLAY_PORT);
  sender.armLogTrigger(10);
  sender.armLogTrigger(-3);
  sender.armLogTrigger(99);
  std::array<std::uint8_t, link::kPortCount> expected{};
  expected[3] = 1;
  expected[10] = 1;
  EXPECT_EQ(logTrigger, expected);
  sender.armLogTrigger(ALL_PORTS);
  expected[1] = 1;
  EXPECT_EQ(logTrigger, expected);
}

}  // namespace
}  // namespace navbin::commands

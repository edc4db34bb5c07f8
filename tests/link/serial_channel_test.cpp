// The channel's contract on in-memory devices: open, probe, close, poll,
// stoppable polls, writes and lost devices.

#include "link/serial_channel.h"

#include <gtest/gtest.h>

#include "link_test_support.h"
#include "platform/memory_serial_device.h"

namespace navbin::link {
namespace {

using platform::OpenError;
using test::Frame;
using test::Packet;
using Bytes = std::vector<std::uint8_t>;

class ChannelTest : public ::testing::Test {
 protected:
  ChannelTest() : channel(backend, map) {
    map.assign(1, "/dev/ttyM1");
    map.assign(2, "/dev/ttyM2");
    line = &backend.addDevice("/dev/ttyM1");
    backend.addDevice("/dev/ttyM2");
  }

  void push(const Bytes& bytes) { line->push(bytes); }
  int poll(bool stoppable = false) { return channel.PollPort(port, handler, stoppable); }

  platform::MemorySerialBackend backend;
  platform::PortMap map;
  SerialChannel channel;
  platform::MemoryLine* line;
  PortContext port;
  std::vector<Packet> seen;
  PacketHandler handler = [this](PortContext& p) { seen.push_back(test::PacketOf(p)); };
};

TEST_F(ChannelTest, OpenResetsTheRecordAndSetsNineSixHundredEightOddOne) {
  port.readPos = 5;
  port.rxCount = 9;
  port.frameLen = 30;
  port.packetLen = 12;
  port.dleSeen = port.monitored = port.rxActive = port.rxSeen = port.deviceLost = true;
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  EXPECT_TRUE(port.isOpen);
  EXPECT_EQ(port.portIndex, 0u);
  EXPECT_EQ(port.readPos, 0);
  EXPECT_EQ(port.rxCount, 0u);
  EXPECT_EQ(port.frameLen, 0);
  EXPECT_EQ(port.packetLen, 0u);
  EXPECT_FALSE(port.dleSeen || port.monitored || port.rxActive || port.rxSeen || port.deviceLost);
  const auto& lp = line->lineParameters();
  EXPECT_EQ(lp.baud, 9600u);
  EXPECT_EQ(lp.byteSize, 8);
  EXPECT_EQ(lp.parity, 1);
  EXPECT_EQ(lp.stopBits, 0);
  EXPECT_EQ(line->purgeCount(), 1);
}

TEST_F(ChannelTest, OpenFailuresLeaveThePortClosed) {
  EXPECT_EQ(channel.OpenPort(port, "/dev/nothing", 3), -1);
  EXPECT_FALSE(port.isOpen);
  EXPECT_EQ(channel.lastOpenError(), OpenError::NotFound);

  line->failOpens(OpenError::PermissionDenied);
  EXPECT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::PermissionDenied);
  EXPECT_FALSE(channel.ProbePort(0));

  line->failOpens(OpenError::None);
  line->refuseLineParameters(true);  // the open succeeds all the same
  EXPECT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
}

TEST_F(ChannelTest, HeldPortFailsProbeAndSecondOpen) {
  EXPECT_TRUE(channel.ProbePort(0));
  EXPECT_FALSE(line->held());  // the probe closed it again
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  EXPECT_FALSE(channel.ProbePort(0));
  EXPECT_EQ(channel.lastOpenError(), OpenError::Busy);
  PortContext other;
  EXPECT_EQ(channel.OpenPort(other, "/dev/ttyM1", 0), -1);
  EXPECT_FALSE(other.isOpen);
  EXPECT_TRUE(channel.ProbePort(1));    // COM2 is free
  EXPECT_FALSE(channel.ProbePort(2));   // COM3 has no device
  EXPECT_FALSE(channel.ProbePort(99));  // no such COM number
  channel.ClosePort(port);
  EXPECT_TRUE(channel.ProbePort(0));
}

TEST_F(ChannelTest, CloseClearsFlagsAndKeepsDeframerFields) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  port.monitored = port.rxActive = port.rxSeen = true;
  push({0x10, 0x41, 1, 2, 3});
  poll();
  EXPECT_EQ(channel.ClosePort(port), 0);
  EXPECT_FALSE(port.isOpen || port.monitored || port.rxActive || port.rxSeen);
  EXPECT_FALSE(line->held());
  EXPECT_EQ(port.frameLen, 3);
  EXPECT_EQ(port.packetId, 0x41);
  EXPECT_EQ(poll(), 0);  // a closed port is not polled
  EXPECT_EQ(channel.WriteFrame(2, Bytes{0x1E, 0x4B}.data(), port), -1);
}

TEST_F(ChannelTest, EmptyPollCallsNoHandlerAndLeavesCountsAlone) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  port.rxCount = 17;
  port.readPos = 4;
  EXPECT_EQ(poll(), 0);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(port.rxCount, 17u);
  EXPECT_EQ(port.readPos, 4);
  EXPECT_EQ(port.readIo.calls, 0u);
}

TEST_F(ChannelTest, PollDeliversEveryPacketAndCountsTheRead) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  Bytes bytes = Frame({0x41, 1, 2});
  const Bytes second = Frame({0x8F, 0xAB, 0x10});
  bytes.insert(bytes.end(), second.begin(), second.end());
  push(bytes);
  EXPECT_EQ(poll(), 0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], (Packet{0x8F, {0xAB, 0x10}}));
  EXPECT_EQ(port.rxCount, 0u);
  EXPECT_EQ(port.readPos, 0);
  EXPECT_EQ(port.readIo.calls, 1u);
  EXPECT_EQ(port.readIo.bytes, bytes.size());
}

TEST_F(ChannelTest, OneReadTakesAtMostTheReceiveBuffer) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  push(Bytes(kRxBufferSize + 100, 0x55));
  poll();
  EXPECT_EQ(port.readIo.bytes, kRxBufferSize);
  EXPECT_EQ(line->pendingInput(), 100u);
}

TEST_F(ChannelTest, CaptureFlagAtFirstOfThreePacketsStopsAStoppablePoll) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  Bytes three;
  for (std::uint8_t id : {0x58, 0x59, 0x5A}) {
    const Bytes f = Frame({id, 1});
    three.insert(three.end(), f.begin(), f.end());
  }
  int calls = 0;
  const PacketHandler capture = [&](PortContext&) {
    ++calls;
    channel.captureFlag = true;
  };
  push(three);
  EXPECT_EQ(channel.PollPort(port, capture, true), 0);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(port.readPos, 0);
  // The rest of that read is gone: a later poll finds nothing.
  channel.captureFlag = false;
  EXPECT_EQ(poll(), 0);
  EXPECT_TRUE(seen.empty());

  // Not stoppable: the flag does not stop the loop.
  push(three);
  channel.captureFlag = true;
  poll(false);
  EXPECT_EQ(seen.size(), 3u);
  // Stoppable with the flag already set: nothing is de-framed.
  push(three);
  seen.clear();
  poll(true);
  EXPECT_TRUE(seen.empty());
}

TEST_F(ChannelTest, HandlerMayWriteToThePortItIsCalledFor) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  const PacketHandler reply = [&](PortContext& p) {
    const Bytes query{0x3C, 0x00};
    channel.WriteFrame(query.size(), query.data(), p);
  };
  push(Frame({0x41, 1}));
  push(Frame({0x41, 2}));
  channel.PollPort(port, reply, false);
  EXPECT_EQ(line->frames().size(), 2u);
}

TEST_F(ChannelTest, WriteFrameSendsOneWholeFrameAndRefusesOverLongPackets) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  const Bytes packet{0x8E, 0x15, 0x00, 0x10};
  EXPECT_EQ(channel.WriteFrame(packet.size(), packet.data(), port), 0);
  ASSERT_EQ(line->frames().size(), 1u);
  EXPECT_EQ(line->frames()[0], Frame(packet));
  EXPECT_EQ(port.writeIo.calls, 1u);
  EXPECT_EQ(port.writeIo.bytes, 8u);

  const Bytes longest(kMaxPacketLength, 0x10);
  EXPECT_EQ(channel.WriteFrame(longest.size(), longest.data(), port), 0);
  EXPECT_EQ(line->frames().back().size(), kMaxFrameLength);
  const Bytes tooLong(kMaxPacketLength + 1, 0x20);
  EXPECT_EQ(channel.WriteFrame(tooLong.size(), tooLong.data(), port), -1);
  EXPECT_EQ(channel.WriteFrame(0, packet.data(), port), -1);
  EXPECT_EQ(line->frames().size(), 2u);
}

TEST_F(ChannelTest, LostDeviceFailsQuietlyUntilReopened) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  push(Frame({0x41, 1}));
  line->setLost(true);
  EXPECT_EQ(poll(), -1);
  EXPECT_TRUE(port.deviceLost);
  EXPECT_TRUE(port.isOpen);  // the caller decides when to close
  EXPECT_EQ(poll(), -1);
  const Bytes packet{0x1E, 0x4B};
  EXPECT_EQ(channel.WriteFrame(packet.size(), packet.data(), port), -1);
  EXPECT_TRUE(seen.empty());
  EXPECT_FALSE(channel.WaitForInput(port, 0));
  EXPECT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), -1);  // still unplugged

  line->setLost(false);
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  EXPECT_FALSE(port.deviceLost);
  push(Frame({0x41, 2}));
  EXPECT_EQ(poll(), 0);
  EXPECT_EQ(seen.size(), 1u);
}

TEST_F(ChannelTest, WriteFindsALostDeviceBeforeAnyPoll) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  line->setLost(true);
  const Bytes packet{0x1E, 0x4B};
  EXPECT_EQ(channel.WriteFrame(packet.size(), packet.data(), port), -1);
  EXPECT_TRUE(port.deviceLost);
  EXPECT_TRUE(line->frames().empty());
}

TEST_F(ChannelTest, SetLineParametersReportsRefusal) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 38400, 7, 2, 2), 0);
  EXPECT_EQ(line->lineParameters().baud, 38400u);
  line->refuseLineParameters(true);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 4800, 8, 0, 0), -1);
  EXPECT_EQ(line->lineParameters().baud, 38400u);
}

TEST_F(ChannelTest, WaitForInputAnswersAtOnceOnMemoryDevices) {
  ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  EXPECT_FALSE(channel.WaitForInput(port, 50));
  push({0x10});
  EXPECT_TRUE(channel.WaitForInput(port, 50));
}

}  // namespace
}  // namespace navbin::link

// The channel's contract on in-memory devices: open, probe, close, poll,
// stoppable polls, writes and lost devices.

#include "link/serial_channel.h"

#include <gtest/gtest.h>

#include "platform/memory_serial_device.h"
#include "tests/support/packets.h"

namespace navbin::link {
namespace {

using platform::OpenError;
using support::Bytes;
using support::Frame;
using support::Packet;

class ChannelTest : public ::testing::Test {
 protected:
  ChannelTest() {
    map.assign(1, "/dev/ttyM1");
    map.assign(2, "/dev/ttyM2");
    backend.addDevice("/dev/ttyM2");
  }
  void open() { ASSERT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0); }
  int poll(bool stoppable = false) { return channel.PollPort(port, handler, stoppable); }
  int write(const Bytes& packet) { return channel.WriteFrame(packet.size(), packet.data(), port); }

  platform::MemorySerialBackend backend;
  platform::PortMap map;
  SerialChannel channel{backend, map};
  platform::MemoryLine& line = backend.addDevice("/dev/ttyM1");
  PortContext port;
  std::vector<Packet> seen;
  PacketHandler handler = [this](PortContext& p) { seen.push_back(support::PacketOf(p)); };
};

TEST_F(ChannelTest, OpenResetsTheRecordAndSetsNineSixHundredEightOddOne) {
  port.readPos = 5;
  port.rxCount = 9;
  port.frameLen = 30;
  port.packetLen = 12;
  port.dleSeen = port.monitored = port.rxActive = port.rxSeen = port.deviceLost = true;
  open();
  EXPECT_TRUE(port.isOpen);
  EXPECT_EQ(port.portIndex, 0u);
  EXPECT_EQ(port.readPos + port.frameLen, 0);
  EXPECT_EQ(port.rxCount + port.packetLen, 0u);
  EXPECT_FALSE(port.dleSeen || port.monitored || port.rxActive || port.rxSeen || port.deviceLost);
  const auto& lp = line.lineParameters();
  EXPECT_EQ((std::vector<int>{int(lp.baud), lp.byteSize, lp.parity, lp.stopBits}),
            (std::vector<int>{9600, 8, 1, 0}));
  EXPECT_EQ(line.purgeCount(), 1);
}

TEST_F(ChannelTest, OpenFailuresLeaveThePortClosed) {
  EXPECT_EQ(channel.OpenPort(port, "/dev/nothing", 3), -1);
  EXPECT_FALSE(port.isOpen);
  EXPECT_EQ(channel.lastOpenError(), OpenError::NotFound);
  line.failOpens(OpenError::PermissionDenied);
  EXPECT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::PermissionDenied);
  EXPECT_FALSE(channel.ProbePort(0));
  line.failOpens(OpenError::None);
  line.refuseLineParameters(true);
  open();  // succeeds all the same
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 4800, 8, 0, 0), -1);
}

TEST_F(ChannelTest, HeldPortFailsProbeAndSecondOpen) {
  EXPECT_TRUE(channel.ProbePort(0));
  EXPECT_FALSE(line.held());  // the probe closed it again
  open();
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
  open();
  port.monitored = port.rxActive = port.rxSeen = true;
  line.push({0x10, 0x41, 1, 2, 3});
  poll();
  EXPECT_EQ(channel.ClosePort(port), 0);
  EXPECT_FALSE(port.isOpen || port.monitored || port.rxActive || port.rxSeen || line.held());
  EXPECT_EQ(port.frameLen, 3);
  EXPECT_EQ(port.packetId, 0x41);
  EXPECT_EQ(poll(), 0);  // a closed port is not polled
  EXPECT_EQ(write({0x1E, 0x4B}), -1);
}

TEST_F(ChannelTest, PollDeliversEveryPacketOfOneReadAndEmptyPollsChangeNothing) {
  open();
  port.rxCount = 17;
  port.readPos = 4;
  EXPECT_EQ(poll(), 0);
  EXPECT_EQ(port.rxCount, 17u);
  EXPECT_EQ(port.readPos, 4);
  EXPECT_EQ(port.readIo.calls, 0u);
  EXPECT_FALSE(channel.WaitForInput(port, 50));

  port.rxCount = 0;
  port.readPos = 0;
  Bytes bytes = Frame({0x41, 1, 2});
  const Bytes second = Frame({0x8F, 0xAB, 0x10});
  bytes.insert(bytes.end(), second.begin(), second.end());
  line.push(bytes);
  EXPECT_TRUE(channel.WaitForInput(port, 50));
  EXPECT_EQ(poll(), 0);
  EXPECT_EQ(seen, (std::vector<Packet>{{0x41, {1, 2}}, {0x8F, {0xAB, 0x10}}}));
  EXPECT_EQ(port.rxCount, 0u);
  EXPECT_EQ(port.readPos, 0);
  EXPECT_EQ(port.readIo.calls, 1u);
  EXPECT_EQ(port.readIo.bytes, bytes.size());

  line.push(Bytes(kRxBufferSize + 100, 0x55));
  poll();
  EXPECT_EQ(port.readIo.bytes, bytes.size() + kRxBufferSize);  // at most one buffer a read
  EXPECT_EQ(line.pendingInput(), 100u);
}

TEST_F(ChannelTest, CaptureFlagAtFirstOfThreePacketsStopsAStoppablePoll) {
  open();
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
  line.push(three);
  EXPECT_EQ(channel.PollPort(port, capture, true), 0);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(port.readPos, 0);
  channel.captureFlag = false;
  EXPECT_EQ(poll(), 0);
  EXPECT_TRUE(seen.empty());  // the rest of that read is gone

  line.push(three);
  channel.captureFlag = true;
  poll(false);
  EXPECT_EQ(seen.size(), 3u);  // not stoppable: the flag does not stop the loop
  line.push(three);
  seen.clear();
  poll(true);
  EXPECT_TRUE(seen.empty());  // stoppable with the flag already set: nothing de-framed
}

TEST_F(ChannelTest, WriteFrameSendsOneWholeFrameAndRefusesOverLongPackets) {
  open();
  const Bytes packet{0x8E, 0x15, 0x00, 0x10};
  EXPECT_EQ(write(packet), 0);
  ASSERT_EQ(line.frames().size(), 1u);
  EXPECT_EQ(line.frames()[0], Frame(packet));
  EXPECT_EQ(port.writeIo.calls, 1u);
  EXPECT_EQ(port.writeIo.bytes, 8u);
  EXPECT_EQ(write(Bytes(kMaxPacketLength, 0x10)), 0);
  EXPECT_EQ(line.frames().back().size(), kMaxFrameLength);
  EXPECT_EQ(write(Bytes(kMaxPacketLength + 1, 0x20)), -1);
  EXPECT_EQ(write({}), -1);
  EXPECT_EQ(line.frames().size(), 2u);

  // A handler may write to the port it is called for.
  const PacketHandler reply = [&](PortContext& p) {
    channel.WriteFrame(2, Bytes{0x3C, 0x00}.data(), p);
  };
  line.push(Frame({0x41, 1}));
  line.push(Frame({0x41, 2}));
  channel.PollPort(port, reply, false);
  EXPECT_EQ(line.frames().size(), 4u);
}

TEST_F(ChannelTest, LostDeviceFailsQuietlyUntilReopened) {
  open();
  line.setLost(true);
  EXPECT_EQ(write({0x1E, 0x4B}), -1);  // a write finds it before any poll
  EXPECT_TRUE(port.deviceLost);
  EXPECT_TRUE(line.frames().empty());
  line.push(Frame({0x41, 1}));
  EXPECT_EQ(poll(), -1);
  EXPECT_TRUE(port.isOpen);  // the caller decides when to close
  EXPECT_TRUE(seen.empty());
  EXPECT_FALSE(channel.WaitForInput(port, 0));
  EXPECT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), -1);  // still unplugged

  line.setLost(false);
  open();
  EXPECT_FALSE(port.deviceLost);
  line.push(Frame({0x41, 2}));
  EXPECT_EQ(poll(), 0);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 38400, 7, 2, 2), 0);
  EXPECT_EQ(line.lineParameters().baud, 38400u);
}

}  // namespace
}  // namespace navbin::link

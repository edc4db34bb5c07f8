// The channel on real pseudo-terminals: line settings, exclusivity, reads,
// writes the driver cannot take at once, and a far side that goes away.

#include "platform/posix_serial_device.h"

#include <sys/ioctl.h>

#include <gtest/gtest.h>

#include "link/serial_channel.h"
#include "tests/support/packets.h"
#include "tests/support/pty.h"

namespace navbin::link {
namespace {

using platform::OpenError;
using support::Bytes;
using support::Frame;
using support::Packet;

class PtyChannelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    map.assign(1, pty.slave());
  }
  void open() { ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0); }
  int poll() { return channel.PollPort(port, handler, false); }
  int write(const Bytes& packet) { return channel.WriteFrame(packet.size(), packet.data(), port); }
  // The slave's input shows up asynchronously: poll until `done` or about two seconds.
  template <class Done>
  void pollUntil(Done done) {
    for (int i = 0; i < 200 && !done(); ++i) {
      channel.WaitForInput(port, 10);
      poll();
    }
  }
  // Numbered 512-byte packets of DLEs: drops are not reported.
  void writeNumbered(int count) {
    for (int i = 0; i < count; ++i) {
      Bytes packet(512, 0x10);
      packet[0] = 0x38;
      packet[1] = static_cast<std::uint8_t>(i);
      EXPECT_EQ(write(packet), 0);
    }
  }
  // What the far side receives while polls move queued output to the driver.
  Bytes drainWhilePolling() {
    Bytes received;
    for (int i = 0, idle = 0; i < 1000 && idle < 10; ++i) {
      const Bytes got = pty.drain();
      idle = got.empty() ? idle + 1 : 0;
      received.insert(received.end(), got.begin(), got.end());
      poll();
    }
    return received;
  }

  support::Pty pty;
  platform::PosixSerialBackend backend;
  platform::PortMap map;
  SerialChannel channel{backend, map};
  PortContext port;
  std::vector<Packet> seen;
  PacketHandler handler = [this](PortContext& p) { seen.push_back(support::PacketOf(p)); };
};

TEST_F(PtyChannelTest, OpensRawAtNineSixHundredEightOddOne) {
  open();
  const termios t = pty.slaveTermios();
  EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B9600));
  EXPECT_EQ(::cfgetispeed(&t), static_cast<speed_t>(B9600));
  EXPECT_EQ(t.c_cflag & (CSIZE | CSTOPB | CRTSCTS | CLOCAL), static_cast<tcflag_t>(CS8 | CLOCAL));
  // A pseudo-terminal forces PARENB off itself; the odd-parity choice and
  // the input parity check remain visible.
  EXPECT_TRUE((t.c_cflag & PARODD) && (t.c_iflag & INPCK));
  EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG));
  EXPECT_FALSE(t.c_iflag & (IXON | IXOFF | ICRNL));
  EXPECT_FALSE(t.c_oflag & OPOST);
  EXPECT_EQ(t.c_cc[VMIN] + t.c_cc[VTIME], 0);
}

TEST_F(PtyChannelTest, SetLineParametersChangesOnlyTheLineFields) {
  open();
  termios t = pty.slaveTermios();
  t.c_cc[VEOF] = 0x1A;
  t.c_cc[VINTR] = 0x05;
  t.c_cc[VSTART] = 0x11;
  t.c_iflag |= IGNBRK;
  ASSERT_EQ(::tcsetattr(pty.master(), TCSANOW, &t), 0);

  ASSERT_EQ(channel.SetLineParameters(*port.handle, 19200, 7, 2, 2), 0);
  const termios after = pty.slaveTermios();
  EXPECT_EQ(::cfgetospeed(&after), static_cast<speed_t>(B19200));
  EXPECT_EQ(after.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));  // the pty keeps 8 bits
  EXPECT_FALSE(after.c_cflag & PARODD);
  EXPECT_TRUE(after.c_cflag & CSTOPB);
  EXPECT_EQ((Bytes{after.c_cc[VEOF], after.c_cc[VINTR], after.c_cc[VSTART], after.c_cc[VMIN]}),
            (Bytes{0x1A, 0x05, 0x11, 0}));
  EXPECT_TRUE(after.c_iflag & IGNBRK);

  EXPECT_EQ(channel.SetLineParameters(*port.handle, 12345, 8, 1, 0), -1);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 9, 1, 0), -1);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 8, 3, 0), -1);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 8, 1, 3), -1);
  const termios unchanged = pty.slaveTermios();
  EXPECT_EQ(::cfgetospeed(&unchanged), static_cast<speed_t>(B19200));
}

TEST_F(PtyChannelTest, HeldPortIsBusyEvenForRootWhoeverHoldsIt) {
  open();
  EXPECT_FALSE(channel.ProbePort(0));
  EXPECT_EQ(channel.lastOpenError(), OpenError::Busy);
  PortContext second;
  EXPECT_EQ(channel.OpenPort(second, pty.slave(), 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::Busy);
  EXPECT_FALSE(second.isOpen);
  channel.ClosePort(port);
  EXPECT_TRUE(channel.ProbePort(0));  // and the probe let go of it again

  const int other = ::open(pty.slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::ioctl(other, TIOCEXCL), 0);  // what other terminal programs do
  EXPECT_FALSE(channel.ProbePort(0));
  EXPECT_EQ(channel.OpenPort(port, pty.slave(), 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::Busy);
  ::ioctl(other, TIOCNXCL);
  ::close(other);
  open();
}

TEST_F(PtyChannelTest, MissingPathsAndNonTerminalsFailToOpen) {
  char file[] = "/tmp/navbin-link-test-XXXXXX";
  const int fd = ::mkstemp(file);
  ASSERT_GE(fd, 0);
  ::close(fd);
  const std::pair<std::string, OpenError> cases[] = {
      {"/dev/no-such-serial-device", OpenError::NotFound},
      {"/dev/null", OpenError::NotATerminal},
      {file, OpenError::NotATerminal},
  };
  for (const auto& [path, error] : cases) {
    EXPECT_EQ(channel.OpenPort(port, path, 0), -1) << path;
    EXPECT_EQ(channel.lastOpenError(), error) << path;
  }
  ::unlink(file);
  EXPECT_EQ(channel.OpenPort(port, "", 0), -1);
  EXPECT_FALSE(channel.ProbePort(5));  // COM6 has no path
  EXPECT_FALSE(port.isOpen);
}

TEST_F(PtyChannelTest, ReceivesPacketsAndLeavesEmptyPollsAlone) {
  open();
  EXPECT_EQ(poll(), 0);
  EXPECT_EQ(port.readIo.calls, 0u);
  EXPECT_FALSE(channel.WaitForInput(port, 0));

  Bytes frames = Frame({0x41, 0x10, 0x03});
  const Bytes second = Frame({0x8F, 0xAB, 1, 2});
  frames.insert(frames.end(), second.begin(), second.end());
  ASSERT_TRUE(pty.send(frames));
  pollUntil([&] { return seen.size() >= 2; });
  EXPECT_EQ(seen, (std::vector<Packet>{{0x41, {0x10, 0x03}}, {0x8F, {0xAB, 1, 2}}}));
}

TEST_F(PtyChannelTest, ReopeningDiscardsAHalfReceivedFrame) {
  open();
  ASSERT_TRUE(pty.send({0x10, 0x5C, 1, 2, 3}));
  pollUntil([&] { return port.frameLen >= 3; });
  ASSERT_EQ(port.frameLen, 3);
  channel.ClosePort(port);
  open();
  ASSERT_TRUE(pty.send({4, 0x10, 0x03}));
  pollUntil([&] { return !seen.empty(); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].payload, (Bytes{4}));
}

TEST_F(PtyChannelTest, BacklogBeyondTheDriverArrivesWholeAndInOrder) {
  open();
  auto* device = dynamic_cast<platform::PosixSerialDevice*>(port.handle.get());
  ASSERT_NE(device, nullptr);
  // 40 frames of about 520 bytes: more than a pseudo-terminal buffers, less
  // than the output queue holds.
  writeNumbered(40);
  EXPECT_GT(device->queuedOutput(), 0u);  // the driver did not take it all
  const auto received = support::Deframe(drainWhilePolling());
  ASSERT_EQ(received.size(), 40u);
  for (int i = 0; i < 40; ++i) {
    Bytes payload(511, 0x10);
    payload[0] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(received[i], (Packet{0x38, payload})) << i;
  }
  EXPECT_EQ(device->queuedOutput(), 0u);
}

TEST_F(PtyChannelTest, FramesBeyondTheOutputQueueAreDroppedWhole) {
  open();
  const int total = 200;  // about 205 KiB: far more than driver and queue hold
  writeNumbered(total);
  const Bytes received = drainWhilePolling();
  const auto packets = support::Deframe(received);
  ASSERT_GT(packets.size(), 10u);
  ASSERT_LT(packets.size(), static_cast<std::size_t>(total));
  std::size_t frameBytes = 0;
  int last = -1;
  for (const Packet& p : packets) {
    Bytes packet{static_cast<std::uint8_t>(p.id)};
    packet.insert(packet.end(), p.payload.begin(), p.payload.end());
    frameBytes += Frame(packet).size();
    ASSERT_EQ(p.payload.size(), 511u);
    EXPECT_GT(p.payload[0], last);  // in increasing order
    last = p.payload[0];
  }
  EXPECT_EQ(frameBytes, received.size());  // no byte outside a whole frame
}

TEST_F(PtyChannelTest, FarSideClosingMakesPollsAndWritesFailQuietly) {
  open();
  pty.closeMaster();
  EXPECT_EQ(write({0x1E, 0x4B}), -1);  // a write finds it first
  EXPECT_TRUE(port.deviceLost);
  EXPECT_EQ(poll(), -1);
  EXPECT_TRUE(port.handle->lost());
  EXPECT_FALSE(channel.WaitForInput(port, 100));
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 8, 1, 0), -1);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(channel.ClosePort(port), 0);

  support::Pty other;
  map.assign(1, other.slave());
  ASSERT_EQ(channel.OpenPort(port, other.slave(), 0), 0);
  other.closeMaster();
  EXPECT_EQ(poll(), -1);  // and so does a poll
  EXPECT_TRUE(port.deviceLost);
}

}  // namespace
}  // namespace navbin::link

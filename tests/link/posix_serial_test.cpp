// The channel on real pseudo-terminals: line settings, exclusivity, reads,
// writes the driver cannot take at once, and a far side that goes away.

#include "platform/posix_serial_device.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "link/serial_channel.h"
#include "link_test_support.h"

namespace navbin::link {
namespace {

using platform::OpenError;
using test::Frame;
using test::Packet;
using Bytes = std::vector<std::uint8_t>;

// The far side of a pseudo-terminal: the test plays the receiver on the
// master; the channel opens the slave path like any serial port.
class Pty {
 public:
  Pty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
      slave_ = ::ptsname(master_);
    }
  }
  ~Pty() { closeMaster(); }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  bool ok() const { return !slave_.empty(); }
  const std::string& slave() const { return slave_; }
  int master() const { return master_; }

  void send(const Bytes& bytes) {
    ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // Everything the slave side has written so far.
  Bytes drain() {
    Bytes all;
    std::uint8_t buf[4096];
    for (;;) {
      const ssize_t n = ::read(master_, buf, sizeof buf);
      if (n <= 0) break;
      all.insert(all.end(), buf, buf + n);
    }
    return all;
  }
  termios slaveTermios() const {
    termios t{};
    ::tcgetattr(master_, &t);  // a master reports its slave's settings
    return t;
  }
  void closeMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string slave_;
};

class PtyChannelTest : public ::testing::Test {
 protected:
  PtyChannelTest() : channel(backend, map) {}
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    map.assign(1, pty.slave());
  }
  int poll(bool stoppable = false) { return channel.PollPort(port, handler, stoppable); }
  int write(const Bytes& packet) { return channel.WriteFrame(packet.size(), packet.data(), port); }
  // The slave's pending input shows up asynchronously; poll until it is read.
  void pollUntilSeen(std::size_t packets) {
    for (int i = 0; i < 200 && seen.size() < packets; ++i) {
      channel.WaitForInput(port, 10);
      poll();
    }
  }

  Pty pty;
  platform::PosixSerialBackend backend;
  platform::PortMap map;
  SerialChannel channel;
  PortContext port;
  std::vector<Packet> seen;
  PacketHandler handler = [this](PortContext& p) { seen.push_back(test::PacketOf(p)); };
};

TEST_F(PtyChannelTest, OpensRawAtNineSixHundredEightOddOne) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  const termios t = pty.slaveTermios();
  EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B9600));
  EXPECT_EQ(::cfgetispeed(&t), static_cast<speed_t>(B9600));
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  // A pseudo-terminal forces PARENB off itself; the odd-parity choice and
  // the input parity check remain visible.
  EXPECT_TRUE(t.c_cflag & PARODD);
  EXPECT_TRUE(t.c_iflag & INPCK);
  EXPECT_FALSE(t.c_cflag & CSTOPB);
  EXPECT_FALSE(t.c_cflag & CRTSCTS);
  EXPECT_TRUE(t.c_cflag & CLOCAL);
  EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG));
  EXPECT_FALSE(t.c_iflag & (IXON | IXOFF | ICRNL));
  EXPECT_FALSE(t.c_oflag & OPOST);
  EXPECT_EQ(t.c_cc[VMIN], 0);
  EXPECT_EQ(t.c_cc[VTIME], 0);
}

TEST_F(PtyChannelTest, SetLineParametersChangesOnlyTheLineFields) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
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
  EXPECT_EQ(after.c_cc[VEOF], 0x1A);
  EXPECT_EQ(after.c_cc[VINTR], 0x05);
  EXPECT_EQ(after.c_cc[VSTART], 0x11);
  EXPECT_TRUE(after.c_iflag & IGNBRK);
  EXPECT_EQ(after.c_cc[VMIN], 0);

  EXPECT_EQ(channel.SetLineParameters(*port.handle, 12345, 8, 1, 0), -1);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 9, 1, 0), -1);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 8, 3, 0), -1);
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 8, 1, 3), -1);
  EXPECT_EQ(::cfgetospeed(&after), static_cast<speed_t>(B19200));
}

TEST_F(PtyChannelTest, HeldPortFailsProbeAndSecondOpenEvenForRoot) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  EXPECT_FALSE(channel.ProbePort(0));
  EXPECT_EQ(channel.lastOpenError(), OpenError::Busy);
  PortContext second;
  EXPECT_EQ(channel.OpenPort(second, pty.slave(), 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::Busy);
  EXPECT_FALSE(second.isOpen);

  channel.ClosePort(port);
  EXPECT_TRUE(channel.ProbePort(0));  // and the probe let go of it again
  EXPECT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
}

TEST_F(PtyChannelTest, PortHeldExclusivelyByAnotherProgramIsBusy) {
  const int other = ::open(pty.slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::ioctl(other, TIOCEXCL), 0);  // what other terminal programs do
  EXPECT_FALSE(channel.ProbePort(0));
  EXPECT_EQ(channel.OpenPort(port, pty.slave(), 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::Busy);
  ::ioctl(other, TIOCNXCL);
  ::close(other);
  EXPECT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
}

TEST_F(PtyChannelTest, MissingPathsAndNonTerminalsFailToOpen) {
  EXPECT_EQ(channel.OpenPort(port, "/dev/no-such-serial-device", 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::NotFound);
  EXPECT_EQ(channel.OpenPort(port, "/dev/null", 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::NotATerminal);

  char file[] = "/tmp/navbin-link-test-XXXXXX";
  const int fd = ::mkstemp(file);
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_EQ(channel.OpenPort(port, file, 0), -1);
  EXPECT_EQ(channel.lastOpenError(), OpenError::NotATerminal);
  ::unlink(file);

  EXPECT_EQ(channel.OpenPort(port, "", 0), -1);
  EXPECT_FALSE(channel.ProbePort(5));  // COM6 has no path
  EXPECT_FALSE(port.isOpen);
}

TEST_F(PtyChannelTest, ReceivesPacketsAndLeavesEmptyPollsAlone) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  EXPECT_EQ(poll(), 0);
  EXPECT_EQ(port.readIo.calls, 0u);
  EXPECT_FALSE(channel.WaitForInput(port, 0));

  Bytes frames = Frame({0x41, 0x10, 0x03});
  const Bytes second = Frame({0x8F, 0xAB, 1, 2});
  frames.insert(frames.end(), second.begin(), second.end());
  pty.send(frames);
  pollUntilSeen(2);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], (Packet{0x41, {0x10, 0x03}}));
  EXPECT_EQ(seen[1], (Packet{0x8F, {0xAB, 1, 2}}));
}

TEST_F(PtyChannelTest, ReopeningDiscardsAHalfReceivedFrame) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  pty.send({0x10, 0x5C, 1, 2, 3});
  for (int i = 0; i < 100 && port.frameLen < 3; ++i) {
    channel.WaitForInput(port, 10);
    poll();
  }
  ASSERT_EQ(port.frameLen, 3);
  channel.ClosePort(port);
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  pty.send({4, 0x10, 0x03});
  pollUntilSeen(1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].payload, (Bytes{4}));
}

TEST_F(PtyChannelTest, CaptureFlagKeepsTheRestOfOneReadFromAnyHandler) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  Bytes three;
  for (std::uint8_t id : {0x58, 0x41, 0x42}) {
    const Bytes f = Frame({id, 7});
    three.insert(three.end(), f.begin(), f.end());
  }
  pty.send(three);
  // Wait until all three frames are in the slave's queue, so one read takes them.
  for (int i = 0; i < 200 && port.handle->pendingInput() < static_cast<long>(three.size()); ++i) {
    channel.WaitForInput(port, 10);
  }
  ASSERT_EQ(port.handle->pendingInput(), static_cast<long>(three.size()));
  int calls = 0;
  const PacketHandler capture = [&](PortContext&) {
    ++calls;
    channel.captureFlag = true;
  };
  EXPECT_EQ(channel.PollPort(port, capture, true), 0);
  EXPECT_EQ(calls, 1);
  channel.captureFlag = false;
  EXPECT_EQ(poll(), 0);
  EXPECT_TRUE(seen.empty());
}

TEST_F(PtyChannelTest, BacklogBeyondTheDriverArrivesWholeAndInOrder) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  auto* device = dynamic_cast<platform::PosixSerialDevice*>(port.handle.get());
  ASSERT_NE(device, nullptr);
  // 40 frames of about 520 bytes each, with sequence numbers: more than a
  // pseudo-terminal buffers, less than the output queue holds.
  Bytes expected;
  for (int i = 0; i < 40; ++i) {
    Bytes packet(512, 0x10);
    packet[0] = 0x38;
    packet[1] = static_cast<std::uint8_t>(i);
    ASSERT_EQ(write(packet), 0);
    const Bytes f = Frame(packet);
    expected.insert(expected.end(), f.begin(), f.end());
  }
  EXPECT_GT(device->queuedOutput(), 0u);  // the driver did not take it all
  Bytes received;
  for (int i = 0; i < 1000 && received.size() < expected.size(); ++i) {
    const Bytes got = pty.drain();
    received.insert(received.end(), got.begin(), got.end());
    poll();  // moves queued output to the driver
  }
  EXPECT_EQ(received, expected);
  EXPECT_EQ(device->queuedOutput(), 0u);
}

TEST_F(PtyChannelTest, FramesBeyondTheOutputQueueAreDroppedWhole) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  const int total = 200;  // about 205 KiB: far more than driver and queue hold
  for (int i = 0; i < total; ++i) {
    Bytes packet(512, 0x10);
    packet[0] = 0x38;
    packet[1] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(write(packet), 0);  // drops are not reported
  }
  Bytes received;
  for (int i = 0; i < 1000; ++i) {
    const Bytes got = pty.drain();
    received.insert(received.end(), got.begin(), got.end());
    poll();
    if (got.empty() && i > 10) break;
  }
  // Every frame that arrived is whole, and they come in increasing order.
  const auto packets = test::DeframeAll(received);
  ASSERT_GT(packets.size(), 10u);
  ASSERT_LT(packets.size(), static_cast<std::size_t>(total));
  std::size_t frameBytes = 0;
  int last = -1;
  for (const Packet& p : packets) {
    Bytes packet{static_cast<std::uint8_t>(p.id)};
    packet.insert(packet.end(), p.payload.begin(), p.payload.end());
    frameBytes += Frame(packet).size();
    EXPECT_EQ(p.id, 0x38);
    ASSERT_EQ(p.payload.size(), 511u);
    EXPECT_GT(p.payload[0], last);
    last = p.payload[0];
  }
  EXPECT_EQ(frameBytes, received.size());  // no byte outside a whole frame
}

TEST_F(PtyChannelTest, FarSideClosingMakesPollsAndWritesFailQuietly) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  pty.closeMaster();
  EXPECT_EQ(poll(), -1);
  EXPECT_TRUE(port.deviceLost);
  EXPECT_TRUE(port.handle->lost());
  EXPECT_EQ(poll(), -1);
  EXPECT_EQ(write({0x1E, 0x4B}), -1);
  EXPECT_FALSE(channel.WaitForInput(port, 100));
  EXPECT_EQ(channel.SetLineParameters(*port.handle, 9600, 8, 1, 0), -1);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(channel.ClosePort(port), 0);
}

TEST_F(PtyChannelTest, WriteToAGoneFarSideMarksTheDeviceLost) {
  ASSERT_EQ(channel.OpenPort(port, pty.slave(), 0), 0);
  pty.closeMaster();
  EXPECT_EQ(write({0x1E, 0x4B}), -1);
  EXPECT_TRUE(port.deviceLost);
  EXPECT_EQ(poll(), -1);
}

}  // namespace
}  // namespace navbin::link

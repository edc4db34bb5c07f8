// The simulator on real pseudo-terminals, reached the way the monitor reaches
// a serial port: through the serial channel and the POSIX backend.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "link/port_context.h"
#include "link/serial_channel.h"
#include "platform/port_map.h"
#include "platform/posix_serial_device.h"
#include "protocol/commands/config_commands.h"
#include "protocol/commands/query_commands.h"
#include "sim/sim_server.h"
#include "tests/support/packets.h"

namespace navbin::sim {
namespace {

using namespace navbin::commands;
using support::Packet;
using Clock = std::chrono::steady_clock;

class PtyEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    SimOptions options;
    options.seed = 123;
    std::string error;
    ASSERT_TRUE(server_.start(options, error)) << error;
    path_ = server_.slavePath(0);
    map_.assign(1, path_);
  }

  bool open() { return channel_.OpenPort(port_, path_, 0) == 0; }

  void send(const CommandPacket& command) {
    ASSERT_EQ(channel_.WriteFrame(command.size(), command.data(), port_), 0);
  }

  // Serves and polls in small steps until `done` holds or `budget` runs out.
  bool pump(const std::function<bool()>& done, std::chrono::milliseconds budget) {
    const auto deadline = Clock::now() + budget;
    while (Clock::now() < deadline) {
      server_.serveOnce(5);
      channel_.PollPort(
          port_, [this](link::PortContext& p) { received_.push_back(support::PacketOf(p)); },
          false);
      if (done()) return true;
    }
    return false;
  }

  // The first packet of `id` (and `subId`) received; null if none came.
  const Packet* first(int id, int subId = -1) const {
    for (const Packet& r : received_) {
      if (r.id == id && (subId < 0 || r.subId() == subId)) return &r;
    }
    return nullptr;
  }
  bool has(int id, int subId = -1) const { return first(id, subId) != nullptr; }

  SimServer server_;
  std::string path_;
  platform::PosixSerialBackend backend_;
  platform::PortMap map_;
  link::SerialChannel channel_{backend_, map_};
  link::PortContext port_;
  std::vector<Packet> received_;
};

TEST_F(PtyEndToEnd, SetIoOptionsSwitchesTheBroadcast) {
  ASSERT_TRUE(open());
  ASSERT_TRUE(pump([&] { return has(0x4A); }, std::chrono::milliseconds(1300)));
  EXPECT_EQ(first(0x4A)->payload.size(), 20u);
  received_.clear();
  send(BuildSetIoOptions({0x12, 0x02, 0x00, 0x00}));
  ASSERT_TRUE(pump([&] { return has(0x84); }, std::chrono::milliseconds(1300)));
  EXPECT_EQ(first(0x84)->payload.size(), 36u);
  EXPECT_FALSE(has(0x4A));
  EXPECT_EQ(received_.front().id, 0x55);
}

TEST_F(PtyEndToEnd, ExclusiveOpenAndReopenWork) {
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(open()) << "round " << round;
    EXPECT_FALSE(channel_.ProbePort(0)) << "a second open is refused";
    EXPECT_EQ(channel_.lastOpenError(), platform::OpenError::Busy);
    received_.clear();
    send(BuildRequestVersion());
    ASSERT_TRUE(pump([&] { return has(0x45); }, std::chrono::milliseconds(800)));
    channel_.ClosePort(port_);
    EXPECT_TRUE(channel_.ProbePort(0)) << "free again after the close";
    // The receiver keeps talking into the closed line meanwhile.
    pump([] { return false; }, std::chrono::milliseconds(100));
  }
}

TEST_F(PtyEndToEnd, PortRecoversFromAMonitorThatDied) {
  // A monitor killed while it held the port: locked, flagged exclusive, and
  // closed by the system without clearing the flag.
  const int fd = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
  ASSERT_EQ(::ioctl(fd, TIOCEXCL), 0);
  ::close(fd);
  EXPECT_FALSE(open()) << "premise: a flagged port is refused";

  server_.serveOnce(0);
  ASSERT_TRUE(open());
  send(BuildRequestVersion());
  EXPECT_TRUE(pump([&] { return has(0x45); }, std::chrono::milliseconds(800)));
}

}  // namespace
}  // namespace navbin::sim

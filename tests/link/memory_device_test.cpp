// The in-memory devices other layers test with: what the channel tests do not
// reach.

#include "platform/memory_serial_device.h"

#include <gtest/gtest.h>

namespace navbin::platform {
namespace {

TEST(MemoryDevice, ReadsInChunksAndFailuresCanBeArranged) {
  MemorySerialBackend backend;
  MemoryLine& line = backend.addDevice("p");
  EXPECT_EQ(&backend.addDevice("p"), &line);
  EXPECT_EQ(backend.line("q"), nullptr);
  auto device = backend.open("p");
  line.push({1, 2, 3, 4, 5});
  line.setReadChunk(2);
  std::uint8_t buf[8];
  EXPECT_EQ(device->read(buf, sizeof buf), 2);
  line.setReadChunk(0);
  EXPECT_EQ(device->read(buf, 2), 2);
  EXPECT_EQ(device->read(buf, sizeof buf), 1);
  EXPECT_EQ(buf[0], 5);
  EXPECT_TRUE(device->write(buf, 3));
  EXPECT_EQ(line.written().size(), 3u);
  line.clearWritten();
  EXPECT_TRUE(line.frames().empty());
}

TEST(MemoryDevice, ALostDeviceStaysLostAfterTheLineReturns) {
  MemorySerialBackend backend;
  MemoryLine& line = backend.addDevice("p");
  auto old = backend.open("p");
  line.setLost(true);
  std::uint8_t buf[4];
  EXPECT_EQ(old->pendingInput(), -1);
  EXPECT_EQ(old->read(buf, 4), -1);
  EXPECT_FALSE(old->setLineParameters(LineParameters{}));
  line.setLost(false);
  EXPECT_TRUE(old->lost());
  auto fresh = backend.open("p");  // the old handle no longer holds the line
  ASSERT_NE(fresh, nullptr);
  EXPECT_FALSE(fresh->lost());
  old.reset();
  EXPECT_TRUE(line.held());  // dropping the dead handle does not free the new one
  EXPECT_EQ(line.openCount(), 2);
}

}  // namespace
}  // namespace navbin::platform

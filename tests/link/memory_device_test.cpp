// The in-memory devices other layers test with.

#include "platform/memory_serial_device.h"

#include <gtest/gtest.h>

namespace navbin::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(MemoryDevice, OpensAreExclusiveAndFailuresCanBeArranged) {
  MemorySerialBackend backend;
  MemoryLine& line = backend.addDevice("/dev/ttyM1");
  EXPECT_EQ(&backend.addDevice("/dev/ttyM1"), &line);
  EXPECT_EQ(backend.line("/dev/ttyM9"), nullptr);
  EXPECT_EQ(backend.open("/dev/ttyM9"), nullptr);
  EXPECT_EQ(backend.lastError(), OpenError::NotFound);

  auto first = backend.open("/dev/ttyM1");
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(line.held());
  EXPECT_EQ(backend.open("/dev/ttyM1"), nullptr);
  EXPECT_EQ(backend.lastError(), OpenError::Busy);
  first.reset();
  EXPECT_FALSE(line.held());

  line.failOpens(OpenError::PermissionDenied);
  EXPECT_EQ(backend.open("/dev/ttyM1"), nullptr);
  EXPECT_EQ(backend.lastError(), OpenError::PermissionDenied);
  line.failOpens(OpenError::None);
  EXPECT_NE(backend.open("/dev/ttyM1"), nullptr);
  EXPECT_EQ(backend.lastError(), OpenError::None);
  EXPECT_EQ(line.openCount(), 2);
}

TEST(MemoryDevice, ReadsInChunksAndRecordsWholeFrames) {
  MemorySerialBackend backend;
  MemoryLine& line = backend.addDevice("p");
  auto device = backend.open("p");
  line.push({1, 2, 3, 4, 5});
  line.setReadChunk(2);
  std::uint8_t buf[8];
  EXPECT_EQ(device->pendingInput(), 5);
  EXPECT_EQ(device->read(buf, sizeof buf), 2);
  EXPECT_EQ(buf[1], 2);
  line.setReadChunk(0);
  EXPECT_EQ(device->read(buf, 2), 2);
  EXPECT_EQ(device->read(buf, sizeof buf), 1);
  EXPECT_EQ(buf[0], 5);
  EXPECT_EQ(device->read(buf, sizeof buf), 0);

  const Bytes a{0x10, 0x1E, 0x4B, 0x10, 0x03};
  EXPECT_TRUE(device->write(a.data(), a.size()));
  EXPECT_TRUE(device->write(a.data(), 3));
  ASSERT_EQ(line.frames().size(), 2u);
  EXPECT_EQ(line.frames()[0], a);
  EXPECT_EQ(line.written().size(), 8u);
  line.clearWritten();
  EXPECT_TRUE(line.frames().empty());

  line.push({9, 9});
  device->purge();
  EXPECT_EQ(device->pendingInput(), 0);
  EXPECT_EQ(line.purgeCount(), 1);
}

TEST(MemoryDevice, ALostDeviceStaysLostAfterTheLineReturns) {
  MemorySerialBackend backend;
  MemoryLine& line = backend.addDevice("p");
  auto old = backend.open("p");
  line.setLost(true);
  std::uint8_t buf[4];
  EXPECT_TRUE(old->lost());
  EXPECT_EQ(old->pendingInput(), -1);
  EXPECT_EQ(old->read(buf, 4), -1);
  EXPECT_FALSE(old->write(buf, 4));
  EXPECT_FALSE(old->setLineParameters(LineParameters{}));
  EXPECT_EQ(backend.open("p"), nullptr);
  EXPECT_EQ(backend.lastError(), OpenError::NotFound);

  line.setLost(false);
  EXPECT_TRUE(old->lost());
  auto fresh = backend.open("p");  // the old handle no longer holds the line
  ASSERT_NE(fresh, nullptr);
  EXPECT_FALSE(fresh->lost());
  old.reset();
  EXPECT_TRUE(line.held());  // dropping the dead handle does not free the new one
}

}  // namespace
}  // namespace navbin::platform

// Garbage on the line: the channel never overruns, and finds the next frame.

#include <gtest/gtest.h>

#include <random>

#include "link/serial_channel.h"
#include "link_test_support.h"
#include "platform/memory_serial_device.h"

namespace navbin::link {
namespace {

using test::Frame;
using test::Packet;
using Bytes = std::vector<std::uint8_t>;

class BadInput : public ::testing::Test {
 protected:
  BadInput() : channel(backend, map), line(backend.addDevice("/dev/ttyM1")) {
    EXPECT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  }
  // Delivers `bytes` in reads of at most `chunk` bytes.
  void deliver(const Bytes& bytes, std::size_t chunk = kRxBufferSize) {
    line.setReadChunk(chunk);
    line.push(bytes);
    while (line.pendingInput() > 0) ASSERT_EQ(channel.PollPort(port, handler, false), 0);
  }

  platform::MemorySerialBackend backend;
  platform::PortMap map;
  SerialChannel channel;
  platform::MemoryLine& line;
  PortContext port;
  std::vector<Packet> seen;
  PacketHandler handler = [this](PortContext& p) {
    EXPECT_LE(p.packetLen, kFrameBufferSize - 1);
    EXPECT_GE(p.packetId, 0);
    EXPECT_LE(p.packetId, 255);
    seen.push_back(test::PacketOf(p));
  };
};

Bytes Noise(unsigned seed, std::size_t n, int dlePercent) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> percent(0, 99);
  Bytes out(n);
  for (auto& b : out) {
    const int r = percent(rng);
    b = r < dlePercent ? 0x10 : (r < dlePercent + 5 ? 0x03 : static_cast<std::uint8_t>(byte(rng)));
  }
  return out;
}

TEST_F(BadInput, RandomNoiseNeverOverrunsAndTheSecondFrameAfterItIsExact) {
  const Bytes good = Frame({0x4A, 0x10, 1, 2, 0x03, 0x10});
  for (unsigned seed = 1; seed <= 20; ++seed) {
    seen.clear();
    Bytes stream = Noise(seed, 20000, seed % 2 ? 30 : 3);
    // One frame may be swallowed when the noise ends on an unpaired DLE;
    // the one after it is always found.
    for (int i = 0; i < 2; ++i) stream.insert(stream.end(), good.begin(), good.end());
    deliver(stream, 1 + seed * 37);
    ASSERT_FALSE(seen.empty()) << seed;
    EXPECT_EQ(seen.back(), (Packet{0x4A, {0x10, 1, 2, 0x03, 0x10}})) << seed;
    EXPECT_LE(port.frameLen, static_cast<std::int32_t>(kFrameBufferSize));
  }
}

TEST_F(BadInput, StrayDlesBetweenFramesCostAtMostTheNextFrame) {
  const Bytes a = Frame({0x41, 1});
  const Bytes b = Frame({0x46, 2, 3});
  Bytes stream = a;
  stream.insert(stream.end(), {0x10, 0x10});  // a stuffed byte outside any frame
  stream.insert(stream.end(), b.begin(), b.end());
  stream.push_back(0x10);  // a lone DLE pairs with the next frame's start
  stream.insert(stream.end(), a.begin(), a.end());
  stream.insert(stream.end(), b.begin(), b.end());
  deliver(stream, 3);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0], (Packet{0x41, {1}}));
  EXPECT_EQ(seen[1], (Packet{0x46, {2, 3}}));
  EXPECT_EQ(seen.back(), (Packet{0x46, {2, 3}}));
}

TEST_F(BadInput, CutFramesAndOverLongPacketsResynchronise) {
  Bytes stream{0x10, 0x5C, 1, 2, 3};  // cut off
  const Bytes good = Frame({0x6D, 4, 5});
  stream.insert(stream.end(), good.begin(), good.end());
  stream.insert(stream.end(), {0x10, 0x84});
  stream.insert(stream.end(), 3000, 0x55);  // far beyond 511 bytes, no end
  stream.insert(stream.end(), good.begin(), good.end());
  deliver(stream, 700);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], (Packet{0x6D, {4, 5}}));
  EXPECT_EQ(seen[1], (Packet{0x6D, {4, 5}}));
}

TEST_F(BadInput, OnlyDlesOrOnlyEtxBytes) {
  deliver(Bytes(9000, 0x10));  // all paired: stuffed data bytes
  EXPECT_TRUE(seen.empty());
  deliver(Bytes(9001, 0x03));
  EXPECT_TRUE(seen.empty());  // ETX without a DLE is payload
  EXPECT_LE(port.frameLen, static_cast<std::int32_t>(kFrameBufferSize));
  Bytes pairs;
  for (int i = 0; i < 3000; ++i) pairs.insert(pairs.end(), {0x10, 0x03});
  deliver(pairs);
  EXPECT_EQ(seen.size(), 3000u);  // empty packets that no decoder takes
}

}  // namespace
}  // namespace navbin::link

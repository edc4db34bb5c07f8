// Byte streams through the channel: the receiver recordings give their known
// packets however the stream is cut into reads, and garbage never overruns a
// buffer nor keeps the next frame from being found.

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "link/serial_channel.h"
#include "platform/memory_serial_device.h"
#include "tests/support/captures.h"

namespace navbin::link {
namespace {

using support::Bytes;
using support::Frame;
using support::Packet;

// Delivers `bytes` to an open memory port in reads of the sizes `nextChunk`
// returns, polling after each, and collects what the handler saw.
std::vector<Packet> ThroughChannel(const Bytes& bytes,
                                   const std::function<std::size_t()>& nextChunk) {
  platform::MemorySerialBackend backend;
  platform::PortMap map;
  SerialChannel channel(backend, map);
  platform::MemoryLine& line = backend.addDevice("/dev/ttyM1");
  PortContext port;
  EXPECT_EQ(channel.OpenPort(port, "/dev/ttyM1", 0), 0);
  std::vector<Packet> packets;
  const PacketHandler handler = [&](PortContext& p) {
    EXPECT_LE(p.packetLen, kFrameBufferSize - 1);
    EXPECT_LE(p.packetId, 255);
    packets.push_back(support::PacketOf(p));
  };
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t n = std::min(nextChunk(), bytes.size() - at);
    line.push(std::span(bytes.data() + at, n));
    at += n;
    while (line.pendingInput() > 0) EXPECT_EQ(channel.PollPort(port, handler, false), 0);
    EXPECT_LE(port.frameLen, static_cast<std::int32_t>(kFrameBufferSize));
  }
  return packets;
}

std::vector<Packet> InChunksOf(std::size_t size, const Bytes& bytes) {
  return ThroughChannel(bytes, [size] { return size; });
}

class Captures : public ::testing::TestWithParam<support::CaptureExpectation> {};

TEST_P(Captures, HoldExactlyTheKnownPacketsWholeByteByByteAndInRandomChunks) {
  const auto& expected = GetParam();
  const Bytes bytes = support::ReadCapture(expected.file);
  ASSERT_FALSE(bytes.empty()) << expected.file;
  const auto packets = support::Deframe(bytes);
  std::vector<int> counts(expected.groups.size(), 0);
  for (const Packet& p : packets) {
    const auto group = std::find_if(expected.groups.begin(), expected.groups.end(), [&](auto& g) {
      return support::NameOf(p) == g.name && p.payload.size() >= g.minLen &&
             p.payload.size() <= g.maxLen;
    });
    ASSERT_NE(group, expected.groups.end()) << support::NameOf(p) << "/" << p.payload.size();
    ++counts[static_cast<std::size_t>(group - expected.groups.begin())];
  }
  for (std::size_t g = 0; g < expected.groups.size(); ++g) {
    EXPECT_EQ(counts[g], expected.groups[g].count) << expected.groups[g].name;
  }

  EXPECT_EQ(InChunksOf(kRxBufferSize, bytes), packets);
  EXPECT_EQ(InChunksOf(1, bytes), packets);
  for (unsigned seed : {1u, 7u, 2024u}) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> size(1, 300);
    EXPECT_EQ(ThroughChannel(bytes, [&] { return size(rng); }), packets) << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(Recordings, Captures, ::testing::ValuesIn(support::KnownCaptures()),
                         [](const auto& info) {
                           std::string name = info.param.file.substr(0, info.param.file.find('.'));
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(ChannelStreams, AllRecordingsInOneStreamOfFullReads) {
  Bytes all;
  for (const auto& c : support::KnownCaptures()) {
    const Bytes bytes = support::ReadCapture(c.file);
    all.insert(all.end(), bytes.begin(), bytes.end());
  }
  ASSERT_GT(all.size(), 3 * kRxBufferSize);
  const auto reference = support::Deframe(all);
  EXPECT_GT(reference.size(), 1000u);
  EXPECT_EQ(InChunksOf(all.size(), all), reference);
}

Bytes Noise(unsigned seed, std::size_t n, int dlePercent) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> byte(0, 255), percent(0, 99);
  Bytes out(n);
  for (auto& b : out) {
    const int r = percent(rng);
    b = r < dlePercent ? 0x10 : (r < dlePercent + 5 ? 0x03 : static_cast<std::uint8_t>(byte(rng)));
  }
  return out;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(ChannelStreams, RandomNoiseNeverOverrunsAndTheSecondFrameAfterItIsExact) {
  const Packet good{0x4A, {0x10, 1, 2, 0x03, 0x10}};
  const Bytes frame = Frame({0x4A, 0x10, 1, 2, 0x03, 0x10});
  for (unsigned seed = 1; seed <= 20; ++seed) {
    // One frame may be swallowed when the noise ends on an unpaired DLE.
    const auto seen =
        InChunksOf(1 + seed * 37, Join({Noise(seed, 20000, seed % 2 ? 30 : 3), frame, frame}));
    ASSERT_FALSE(seen.empty()) << seed;
    EXPECT_EQ(seen.back(), good) << seed;
  }
}

TEST(ChannelStreams, StrayDlesCutFramesAndOverLongPacketsCostAtMostTheNextFrame) {
  const Bytes a = Frame({0x41, 1}), b = Frame({0x46, 2, 3});
  // A stuffed byte outside any frame, then a lone DLE that pairs with the next start.
  auto seen = InChunksOf(3, Join({a, {0x10, 0x10}, b, {0x10}, a, b}));
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0], (Packet{0x41, {1}}));
  EXPECT_EQ(seen[1], (Packet{0x46, {2, 3}}));
  EXPECT_EQ(seen.back(), (Packet{0x46, {2, 3}}));

  const Bytes c = Frame({0x6D, 4, 5});
  seen = InChunksOf(700, Join({{0x10, 0x5C, 1, 2, 3}, c, {0x10, 0x84}, Bytes(3000, 0x55), c}));
  EXPECT_EQ(seen, (std::vector<Packet>{{0x6D, {4, 5}}, {0x6D, {4, 5}}}));
}

TEST(ChannelStreams, OnlyDlesOnlyEtxOrOnlyEmptyFrames) {
  EXPECT_TRUE(InChunksOf(kRxBufferSize, Bytes(9000, 0x10)).empty());  // all paired: data bytes
  EXPECT_TRUE(InChunksOf(kRxBufferSize, Bytes(9001, 0x03)).empty());  // ETX without DLE is data
  Bytes pairs;
  for (int i = 0; i < 3000; ++i) pairs.insert(pairs.end(), {0x10, 0x03});
  EXPECT_EQ(InChunksOf(kRxBufferSize, pairs).size(), 3000u);  // empty packets no decoder takes
}

}  // namespace
}  // namespace navbin::link

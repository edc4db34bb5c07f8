// The receiver recordings through the channel: the known packet counts, and
// the same packets however the stream is cut into reads.

#include <gtest/gtest.h>

#include <random>

#include "link/serial_channel.h"
#include "link_test_support.h"
#include "platform/memory_serial_device.h"

namespace navbin::link {
namespace {

using test::Packet;

constexpr char kPath[] = "/dev/ttyMEM0";

// Opens a memory port, delivers `bytes` in reads of the sizes `nextChunk`
// returns, polling after each, and collects the packets the handler saw.
template <class ChunkFn>
std::vector<Packet> ThroughChannel(const std::vector<std::uint8_t>& bytes, ChunkFn nextChunk) {
  platform::MemorySerialBackend backend;
  platform::PortMap map;
  SerialChannel channel(backend, map);
  backend.addDevice(kPath);
  PortContext port;
  EXPECT_EQ(channel.OpenPort(port, kPath, 0), 0);
  std::vector<Packet> packets;
  const PacketHandler handler = [&](PortContext& p) { packets.push_back(test::PacketOf(p)); };
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t n = std::min(nextChunk(), bytes.size() - at);
    backend.line(kPath)->push(std::span(bytes.data() + at, n));
    at += n;
    while (backend.line(kPath)->pendingInput() > 0) {
      EXPECT_EQ(channel.PollPort(port, handler, false), 0);
    }
  }
  return packets;
}

class Captures : public ::testing::TestWithParam<test::CaptureExpectation> {};

TEST_P(Captures, HoldExactlyTheKnownPackets) {
  const auto& expected = GetParam();
  const auto bytes = test::ReadCapture(expected.file);
  ASSERT_FALSE(bytes.empty()) << expected.file;
  const auto packets = test::DeframeAll(bytes);

  std::vector<int> counts(expected.groups.size(), 0);
  for (const Packet& p : packets) {
    bool matched = false;
    for (std::size_t g = 0; g < expected.groups.size(); ++g) {
      const auto& group = expected.groups[g];
      const auto len = static_cast<std::uint32_t>(p.payload.size());
      if (test::NameOf(p) == group.name && len >= group.minLen && len <= group.maxLen) {
        ++counts[g];
        matched = true;
        break;
      }
    }
    EXPECT_TRUE(matched) << test::NameOf(p) << "/" << p.payload.size();
  }
  for (std::size_t g = 0; g < expected.groups.size(); ++g) {
    EXPECT_EQ(counts[g], expected.groups[g].count) << expected.groups[g].name;
  }
}

TEST_P(Captures, SamePacketsWholeByteByByteAndInRandomChunks) {
  const auto bytes = test::ReadCapture(GetParam().file);
  const auto reference = test::DeframeAll(bytes);

  EXPECT_EQ(ThroughChannel(bytes, [] { return kRxBufferSize; }), reference);
  EXPECT_EQ(ThroughChannel(bytes, [] { return std::size_t{1}; }), reference);
  for (unsigned seed : {1u, 7u, 2024u}) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> size(1, 300);
    EXPECT_EQ(ThroughChannel(bytes, [&] { return size(rng); }), reference) << seed;
  }
}

TEST(CapturesAll, StreamOfSeveralFullReadsKeepsEveryPacket) {
  std::vector<std::uint8_t> all;
  for (const auto& c : test::KnownCaptures()) {
    const auto bytes = test::ReadCapture(c.file);
    all.insert(all.end(), bytes.begin(), bytes.end());
  }
  ASSERT_GT(all.size(), 3 * kRxBufferSize);
  const auto reference = test::DeframeAll(all);
  EXPECT_GT(reference.size(), 1000u);
  EXPECT_EQ(ThroughChannel(all, [&] { return all.size(); }), reference);
}

INSTANTIATE_TEST_SUITE_P(Recordings, Captures, ::testing::ValuesIn(test::KnownCaptures()),
                         [](const auto& info) {
                           std::string name = info.param.file.substr(0, info.param.file.find('.'));
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace navbin::link

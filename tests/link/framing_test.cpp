// Frame building, de-framing one byte at a time (calls with nothing to take
// or a read position outside the buffer read nothing and change nothing), and
// the big-endian codecs.

#include "link/framing.h"

#include <gtest/gtest.h>

#include <memory>

#include "link/field_codec.h"
#include "link/frame_collector.h"
#include "tests/support/packets.h"

namespace navbin::link {
namespace {

using support::Bytes;
using support::Deframe;
using support::Frame;
using support::Packet;

Bytes Repeated(Bytes head, std::size_t n, std::uint8_t fill, Bytes tail) {
  head.insert(head.end(), n, fill);
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST(BuildFrame, StuffsEveryDleAndNeverWritesPastItsBuffer) {
  EXPECT_EQ(Frame({0x1E, 0x4B}), (Bytes{0x10, 0x1E, 0x4B, 0x10, 0x03}));
  EXPECT_EQ(Frame({0x8E, 0x15, 0x00, 0x10}),
            (Bytes{0x10, 0x8E, 0x15, 0x00, 0x10, 0x10, 0x10, 0x03}));
  EXPECT_EQ(FrameLength(Bytes{0x8E, 0x15, 0x00, 0x10}), 8u);
  EXPECT_EQ(Frame(Bytes(kMaxPacketLength, 0x10)).size(), kMaxFrameLength);  // the worst case
  EXPECT_TRUE(Frame({}).empty());                                           // no id, no frame

  const Bytes packet{0x8E, 0x10, 0x10, 0x01};  // a frame of 9 bytes
  for (std::size_t room = 0; room <= 9; ++room) {
    Bytes out(room + 4, 0xEE);  // four guard bytes after the room
    EXPECT_EQ(BuildFrame(packet, std::span(out.data(), room)), room == 9 ? 9u : 0u) << room;
    EXPECT_EQ(Bytes(out.begin() + room, out.end()), Bytes(4, 0xEE)) << room;
  }
}

TEST(Deframe, StreamsGiveExactlyTheirPackets) {
  struct Case {
    const char* what;
    Bytes stream;
    std::vector<Packet> expected;
  };
  const Case cases[] = {
      {"stuffed frame", Frame({0x8E, 0x15, 0x00, 0x10}), {{0x8E, {0x15, 0x00, 0x10}}}},
      {"10 10 is one byte",
       {0x10, 0x41, 0x10, 0x10, 0x10, 0x10, 5, 0x10, 3},
       {{0x41, {16, 16, 5}}}},
      {"DLE and another byte restart", {0x10, 0x41, 1, 2, 0x10, 0x46, 7, 0x10, 3}, {{0x46, {7}}}},
      {"noise before the frame", {0x55, 0xAA, 0x10, 0x41, 1, 2, 0x10, 3}, {{0x41, {1, 2}}}},
      {"cut frame", {0x10, 0x5C, 1, 2, 3, 0x10, 0x4B, 9, 8, 7, 0x10, 3}, {{0x4B, {9, 8, 7}}}},
      {"ETX without a new start", {0x10, 0x82, 1, 0x10, 3, 2, 0x10, 3}, {{0x82, {1}}, {0x82, {2}}}},
      {"payload of 511", Repeated({0x10, 0x55}, 511, 0x20, {0x10, 3}), {{0x55, Bytes(511, 0x20)}}},
      {"payload of 512", Repeated({0x10, 0x55}, 512, 0x20, {0x10, 3}), {{0, {}}}},
      {"only ETX bytes", Bytes(600, 0x03), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Deframe(c.stream), c.expected) << c.what;
}

TEST(Deframe, OverLongRunOfStuffedBytesNeverOverrunsAndResynchronises) {
  Bytes stream{0x10, 0x55};
  for (int i = 0; i < 2000; ++i) stream.insert(stream.end(), {0x10, 0x10});
  const Bytes good = Frame({0x4A, 1, 2, 3});
  stream.insert(stream.end(), good.begin(), good.end());
  const auto packets = Deframe(stream);
  ASSERT_FALSE(packets.empty());
  EXPECT_EQ(packets.back(), (Packet{0x4A, {1, 2, 3}}));
}

TEST(Deframe, PortRecordFeedAdvancesReadPosAndRxCount) {
  PortContext port;
  const Bytes frame = Frame({0x46, 0x00, 0x10});
  std::copy(frame.begin(), frame.end(), port.rxBuffer.begin());
  port.rxCount = static_cast<std::uint32_t>(frame.size());
  int completions = 0;
  while (port.rxCount > 0) completions += DeframeByte(port);
  EXPECT_EQ(completions, 1);
  EXPECT_EQ(port.readPos, static_cast<std::int32_t>(frame.size()));
  EXPECT_EQ(support::PacketOf(port), (Packet{0x46, {0x00, 0x10}}));
}

TEST(DeframeByte, IgnoresCallsWithoutAByteToTake) {
  auto port = std::make_unique<PortContext>();
  port->frameLen = 3;
  port->packetId = 0x41;

  port->rxCount = 0;  // nothing received
  port->readPos = 0;
  EXPECT_EQ(DeframeByte(*port), 0);
  EXPECT_EQ(port->rxCount, 0u);
  EXPECT_EQ(port->readPos, 0);

  port->rxCount = 1;  // a count that runs past the end of the buffer
  port->readPos = static_cast<std::int32_t>(kRxBufferSize);
  EXPECT_EQ(DeframeByte(*port), 0);
  port->readPos = -1;
  EXPECT_EQ(DeframeByte(*port), 0);
  EXPECT_EQ(port->rxCount, 1u);
  EXPECT_EQ(port->frameLen, 3);
  EXPECT_EQ(port->packetId, 0x41);
}

TEST(DeframeByte, TakesTheLastByteOfTheBuffer) {
  auto port = std::make_unique<PortContext>();
  port->rxBuffer[kRxBufferSize - 2] = kDle;
  port->rxBuffer[kRxBufferSize - 1] = kEtx;
  port->readPos = static_cast<std::int32_t>(kRxBufferSize - 2);
  port->rxCount = 2;
  port->packetId = 0x41;
  EXPECT_EQ(DeframeByte(*port), 0);
  EXPECT_EQ(DeframeByte(*port), 1);
  EXPECT_EQ(port->rxCount, 0u);
  EXPECT_EQ(DeframeByte(*port), 0);  // and nothing after it
}

TEST(FieldCodec, BigEndianWritersAndReaders) {
  std::uint8_t b[8] = {};
  PutU16(0x1234, b);
  EXPECT_EQ(Bytes(b, b + 2), (Bytes{0x12, 0x34}));
  PutSingle(1.0f, b);
  EXPECT_EQ(Bytes(b, b + 4), (Bytes{0x3F, 0x80, 0x00, 0x00}));
  PutDouble(1.0, b);
  EXPECT_EQ(Bytes(b, b + 8), (Bytes{0x3F, 0xF0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(GetDouble(b), 1.0);
  const std::uint8_t fffe[2] = {0xFF, 0xFE};
  EXPECT_EQ(GetS16(fffe), -2);
  EXPECT_EQ(GetU16(fffe), 65534);
  PutU32(0x80000001u, b);
  EXPECT_EQ(GetS32(b), static_cast<std::int32_t>(0x80000001u));
  PutSingle(-2.5f, b);
  EXPECT_EQ(GetSingle(b), -2.5f);
}

// Frames collected from an untrusted stream: each as sent, nothing else.
TEST(FrameCollector, TakesWholeFramesOnlyAndDropsEverythingElse) {
  const Bytes reset = Frame({0x1E, 0x4B});
  const Bytes stuffed = Frame({0x8E, 0x10, 0x03});
  struct Case {
    const char* what;
    Bytes stream;
    std::vector<Bytes> frames;
  } cases[] = {
      {"one frame", reset, {reset}},
      {"a DLE DLE ETX in the payload does not end it", stuffed, {stuffed}},
      {"garbage around frames", Repeated({0x55, 0x03}, 0, 0, Frame({0x1F})), {Frame({0x1F})}},
      {"a frame cut short by the next", Repeated({0x10, 0x3C, 0x05}, 0, 0, reset), {reset}},
      {"DLE ETX with no id", Bytes{0x10, 0x03, 0x10, 0x10, 0x03}, {}},
      {"too long", Repeated({0x10, 0x8E}, kMaxFrameLength, 0x01, {0x10, 0x03}), {}},
  };
  for (const auto& c : cases) {
    FrameCollector collector;
    std::vector<Bytes> got;
    for (const std::uint8_t b : c.stream) {
      if (collector.feed(b)) got.emplace_back(collector.frame().begin(), collector.frame().end());
    }
    EXPECT_EQ(got, c.frames) << c.what;
  }
}

}  // namespace
}  // namespace navbin::link

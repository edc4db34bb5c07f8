// Frame building, de-framing one byte at a time, and the big-endian codecs.

#include "link/framing.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/field_codec.h"
#include "link_test_support.h"

namespace navbin::link {
namespace {

using test::DeframeAll;
using test::Frame;
using test::Packet;
using Bytes = std::vector<std::uint8_t>;

TEST(BuildFrame, StuffsEveryDleAndEndsWithDleEtx) {
  EXPECT_EQ(Frame({0x1E, 0x4B}), (Bytes{0x10, 0x1E, 0x4B, 0x10, 0x03}));
  EXPECT_EQ(Frame({0x8E, 0x15, 0x00, 0x10}),
            (Bytes{0x10, 0x8E, 0x15, 0x00, 0x10, 0x10, 0x10, 0x03}));
  EXPECT_EQ(FrameLength(Bytes{0x8E, 0x15, 0x00, 0x10}), 8u);
}

TEST(BuildFrame, WorstCasePacketFitsTheFrameBufferExactly) {
  const Bytes packet(kMaxPacketLength, 0x10);
  Bytes out(kMaxFrameLength);
  EXPECT_EQ(BuildFrame(packet, out), kMaxFrameLength);
  EXPECT_EQ(out.back(), kEtx);
}

TEST(BuildFrame, NeverWritesPastItsBuffer) {
  const Bytes packet{0x8E, 0x10, 0x10, 0x01};  // frame of 9 bytes
  for (std::size_t room = 0; room <= 9; ++room) {
    Bytes out(room + 4, 0xEE);  // four guard bytes after the room
    const std::size_t n = BuildFrame(packet, std::span(out.data(), room));
    EXPECT_EQ(n, room == 9 ? 9u : 0u) << room;
    for (std::size_t i = room; i < out.size(); ++i) EXPECT_EQ(out[i], 0xEE) << room;
  }
  Bytes out(8);
  EXPECT_EQ(BuildFrame({}, out), 0u);  // no id, no frame
}

TEST(Deframe, RoundTripOfStuffedPacket) {
  const auto packets = DeframeAll(Frame({0x8E, 0x15, 0x00, 0x10}));
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], (Packet{0x8E, {0x15, 0x00, 0x10}}));
}

TEST(Deframe, DoubledDleInPayloadIsOneByte) {
  const auto packets = DeframeAll({0x10, 0x41, 0x10, 0x10, 0x10, 0x10, 0x05, 0x10, 0x03});
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], (Packet{0x41, {0x10, 0x10, 0x05}}));
}

TEST(Deframe, DleWithOtherByteRestartsThePacket) {
  const auto packets = DeframeAll({0x10, 0x41, 0x01, 0x02, 0x10, 0x46, 0x07, 0x10, 0x03});
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], (Packet{0x46, {0x07}}));
}

TEST(Deframe, NoiseBeforeAFrameIsDropped) {
  const auto packets = DeframeAll({0x55, 0xAA, 0x10, 0x41, 0x01, 0x02, 0x10, 0x03});
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], (Packet{0x41, {0x01, 0x02}}));
}

TEST(Deframe, CutFrameFollowedByNewStartIsDiscarded) {
  const auto packets = DeframeAll({0x10, 0x5C, 1, 2, 3, 0x10, 0x4B, 9, 8, 7, 0x10, 0x03});
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], (Packet{0x4B, {9, 8, 7}}));
}

TEST(Deframe, EtxWithoutNewStartCompletesAnotherPacketOfTheSameId) {
  const auto packets = DeframeAll({0x10, 0x82, 0x01, 0x10, 0x03, 0x02, 0x10, 0x03});
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[1], (Packet{0x82, {0x02}}));
}

TEST(Deframe, PayloadOf511IsDeliveredAnd512GivesEmptyPacketOfIdZero) {
  Bytes ok{0x10, 0x55};
  ok.insert(ok.end(), 511, 0x20);
  ok.insert(ok.end(), {0x10, 0x03});
  auto packets = DeframeAll(ok);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0].id, 0x55);
  EXPECT_EQ(packets[0].payload.size(), 511u);

  Bytes tooLong{0x10, 0x55};
  tooLong.insert(tooLong.end(), 512, 0x20);
  tooLong.insert(tooLong.end(), {0x10, 0x03});
  packets = DeframeAll(tooLong);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], (Packet{0, {}}));
}

TEST(Deframe, OverLongPacketOfStuffedBytesNeverOverrunsAndResynchronises) {
  Bytes stream{0x10, 0x55};
  for (int i = 0; i < 2000; ++i) stream.insert(stream.end(), {0x10, 0x10});
  const Bytes good = Frame({0x4A, 1, 2, 3});
  stream.insert(stream.end(), good.begin(), good.end());
  const auto packets = DeframeAll(stream);
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
  EXPECT_EQ(test::PacketOf(port), (Packet{0x46, {0x00, 0x10}}));
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

}  // namespace
}  // namespace navbin::link

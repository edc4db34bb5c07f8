// Garbage, unknown commands, wrong lengths and over-long frames change
// nothing; the same seed gives the same bytes; the fault knobs do what they say.

#include <gtest/gtest.h>

#include "protocol/commands/config_commands.h"
#include "protocol/commands/query_commands.h"
#include "sim/sim_random.h"
#include "tests/sim/sim_test_support.h"

namespace navbin::sim {
namespace {

using namespace navbin::commands;
using support::Deframe;
using support::Frame;
using testing::Ask;
using testing::AskOne;
using testing::Bytes;
using testing::Ids;
using testing::Ms;
using testing::Packet;
using testing::RunFor;
using testing::Send;

TEST(ReceiverRobustness, GarbageAndUnknownCommandsAreIgnored) {
  SimulatedReceiver rx(40);
  const ReceiverSettings before = rx.settings();
  SimRandom noise(99);
  Bytes garbage(4000);
  for (auto& b : garbage) b = static_cast<std::uint8_t>(noise.next());
  rx.receive(garbage);
  EXPECT_EQ(rx.settings(), before);
  rx.takeOutput();

  const std::vector<Bytes> ignored = {
      Frame({0x99}),              // unknown id
      Frame({0x8E, 0x77}),        // unknown sub-id
      Frame({0x8E}),              // super-packet without a sub-id
      Frame({0x1F, 0x00}),        // version request with a payload
      Frame({0x35, 0x12, 0x02}),  // I/O options, neither query nor set
      Frame({0x8E, 0x15, 0x00}),  // datum with half an index
      Frame({0x3C}),              // tracking status without the satellite
      Frame({0xBB, 0x04}),        // unknown configuration page
      Frame({0xBC, 0x05}),        // no such receiver port
      Frame({0x62, 0x09}),        // no such DGPS request
      {0x10, 0x03, 0x10, 0x03},   // empty packets
  };
  for (const auto& frame : ignored) {
    rx.receive(frame);
    EXPECT_FALSE(rx.hasOutput()) << "first byte after DLE " << int(frame[1]);
  }
  EXPECT_EQ(rx.settings(), before);
  const auto version = Ask(rx, BuildRequestVersion());
  ASSERT_EQ(version.size(), 1u);
  EXPECT_EQ(version[0].id, 0x45);
}

TEST(ReceiverRobustness, OverLongFrameIsDroppedAndASplitOneAssembled) {
  SimulatedReceiver rx(41);
  Bytes longPacket(600, 0x00);
  longPacket[0] = 0x35;  // would be Set I/O options if it were short
  rx.receive(Frame(longPacket));
  EXPECT_FALSE(rx.hasOutput());
  EXPECT_EQ(rx.settings().io, IoOptions{});
  EXPECT_EQ(Ids(Ask(rx, BuildRequestIoOptions())), (std::vector<int>{0x55}));
  // A command split across reads is assembled.
  const auto frame = Frame(BuildSetDatum({16}).toVector());  // 10 8E 15 00 10 10 10 03
  for (std::uint8_t b : frame) rx.receive(std::span(&b, 1));
  EXPECT_EQ(rx.settings().datumIndex, 16);
}

Bytes Script(SimulatedReceiver& rx, int stepMs, int steps) {
  Bytes all;
  for (int i = 0; i < steps; ++i) {
    if (i % 3 == 0) rx.receive(Frame(BuildRequestReceiverHealth().toVector()));
    if (i % 5 == 0) rx.receive(Frame(BuildRequestSatelliteSelection().toVector()));
    rx.advance(Ms(stepMs));
    const auto out = rx.takeOutput();
    all.insert(all.end(), out.begin(), out.end());
  }
  return all;
}

TEST(ReceiverRobustness, SameSeedSameBytesOtherSeedOtherReceiver) {
  SimulatedReceiver a(77), b(77);
  EXPECT_EQ(Script(a, 200, 50), Script(b, 200, 50));

  // The sky and the clock do not depend on how time is cut into steps.
  SimulatedReceiver fine(78), coarse(78);
  fine.advance(Ms(1));
  coarse.advance(Ms(1));
  Bytes fineOut;
  for (int i = 0; i < 30; ++i) {
    fine.advance(Ms(100));
    const auto out = fine.takeOutput();
    fineOut.insert(fineOut.end(), out.begin(), out.end());
  }
  coarse.advance(Ms(3000));
  EXPECT_EQ(fineOut, coarse.takeOutput());

  SimulatedReceiver one(1), two(2);  // and seeds give different receivers
  EXPECT_NE(one.profile().site.latitude, two.profile().site.latitude);
  EXPECT_NE(AskOne(one, BuildRequestVersion()).payload, AskOne(two, BuildRequestVersion()).payload);
  EXPECT_NE(RunFor(one, Ms(1000)).at(0).payload, RunFor(two, Ms(1000)).at(0).payload);
}

TEST(ReceiverRobustness, SilentReceiverSaysNothingAndDroppedRepliesSpareTheBroadcasts) {
  SimulatedReceiver silent(43, FaultOptions{.silent = true});
  silent.receive(Frame(BuildRequestVersion().toVector()));
  silent.advance(Ms(3000));
  EXPECT_FALSE(silent.hasOutput());

  SimulatedReceiver rx(44, FaultOptions{.dropReplyProbability = 1.0});
  EXPECT_TRUE(Ask(rx, BuildRequestVersion()).empty());
  EXPECT_EQ(Ids(RunFor(rx, Ms(1000))), (std::vector<int>{0x4A, 0x56}));

  SimulatedReceiver some(45, FaultOptions{.dropReplyProbability = 0.5});
  int answered = 0;
  for (int i = 0; i < 200; ++i)
    answered += static_cast<int>(Ask(some, BuildRequestVersion()).size());
  EXPECT_GT(answered, 60);
  EXPECT_LT(answered, 140);
}

TEST(ReceiverRobustness, NoiseBetweenFramesLeavesThePacketsWhole) {
  SimulatedReceiver clean(46), noisy(46, FaultOptions{.noiseProbability = 1.0});
  const auto cleanBytes = Script(clean, 250, 20);
  const auto noisyBytes = Script(noisy, 250, 20);
  EXPECT_GT(noisyBytes.size(), cleanBytes.size());
  EXPECT_EQ(Deframe(cleanBytes), Deframe(noisyBytes));
}

TEST(ReceiverRobustness, LongGapsAndUnreadOutputStayBounded) {
  SimulatedReceiver rx(47);
  const auto weekBefore = Ask(rx, BuildRequestGpsTime())[0].u16(4);
  rx.advance(std::chrono::hours(24 * 30));  // a month without a look
  EXPECT_LT(rx.takeOutput().size(), 2000u) << "only the last seconds are broadcast";
  EXPECT_GE(Ask(rx, BuildRequestGpsTime())[0].u16(4), weekBefore + 4);

  for (int i = 0; i < 5000; ++i) rx.receive(Frame(BuildRequestTrackingStatus().toVector()));
  EXPECT_LE(rx.takeOutput().size(), SimulatedReceiver::kMaxPendingOutput);
}

}  // namespace
}  // namespace navbin::sim

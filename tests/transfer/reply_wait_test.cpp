// The reply wait on an in-memory display port whose far side the test plays.

#include "tests/transfer/transfer_rig.h"

namespace navbin::transfer_testing {
namespace {

using std::chrono::milliseconds;

Bytes Reply(std::uint8_t op, std::uint8_t type, std::uint8_t sv, Bytes data = {}) {
  Bytes packet{0x58, op, type, sv, static_cast<std::uint8_t>(data.size())};
  packet.insert(packet.end(), data.begin(), data.end());
  return support::Frame(packet);
}

class ReplyWaitTest : public ::testing::Test {
 protected:
  ReplyWaitTest() {
    rig.line().setWaitHook([this] {
      if (!script.empty()) {
        rig.line().push(script.front());
        script.erase(script.begin());
      }
    });
    wait().setTimeout(milliseconds(200));
  }
  transfer::ReplyWait& wait() { return rig.transfer.replyWait(); }

  TransferRig rig;
  std::vector<Bytes> script;  // what the far side sends at each wait, one read each
};

TEST_F(ReplyWaitTest, OnlyTheAwaitedReplyCountsAndNothingCarriesOver) {
  const Bytes fix = support::Frame({0x4A, 0, 0, 0});  // a broadcast, not decoded
  script = {fix, Reply(2, 2, 1, {0xAA})};
  EXPECT_FALSE(wait().waitForDataReply(2, 2)) << "reply of SV 1 is late for SV 2";
  EXPECT_FALSE(wait().lastReplyOperation);
  script = {Join({fix, Reply(2, 2, 3), Reply(2, 2, 2, {0x10, 0x10})})};
  const auto reply = wait().waitForDataReply(2, 2);  // foreign, then awaited, in one read
  ASSERT_TRUE(reply);
  EXPECT_EQ(Bytes(reply->bytes().begin(), reply->bytes().end()), (Bytes{0x10, 0x10}));
  EXPECT_EQ(wait().lastReplyOperation, 2);
  EXPECT_EQ(rig.display.main("Shape_RxLED").colour, Colour::Lime);
  EXPECT_FALSE(rig.channel.captureFlag);

  script = {};
  EXPECT_FALSE(wait().waitForDataReply(2, 2)) << "an earlier match never counts again";
  EXPECT_FALSE(wait().lastReplyOperation);
  script = {support::Frame({0x58, 1, 6, 4, 2, 9}), Reply(0, 6, 4)};  // bad length, then a refusal
  ASSERT_TRUE(wait().waitForDataReply(6, 4));
  EXPECT_EQ(wait().lastReplyOperation, 0);
}

TEST_F(ReplyWaitTest, SleepsOnTheDeviceAndGivesUpAtOnceWithoutAPort) {
  const int before = rig.line().waitCount();
  EXPECT_FALSE(wait().waitForDataReply(3, 0));
  const int waits = rig.line().waitCount() - before;
  // 200 ms in slices of at most 40 ms: a handful of sleeps, not a spin.
  EXPECT_GE(waits, 1);
  EXPECT_LE(waits, 200 / transfer::ReplyWait::kRefreshMs + 2);
  EXPECT_GE(rig.view.refreshes, waits);

  rig.line().setLost(true);
  EXPECT_FALSE(wait().waitForDataReply(3, 0));
  rig.channel.ClosePort(rig.ports[0]);
  const int after = rig.line().waitCount();
  EXPECT_FALSE(wait().waitForDataReply(3, 0));
  EXPECT_EQ(rig.line().waitCount(), after);
}

}  // namespace
}  // namespace navbin::transfer_testing

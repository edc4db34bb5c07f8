// Set commands change what later queries report and what the receiver
// broadcasts.

#include <gtest/gtest.h>

#include <cmath>

#include "protocol/commands/config_commands.h"
#include "protocol/commands/init_commands.h"
#include "protocol/commands/query_commands.h"
#include "protocol/commands/timing_commands.h"
#include "sim/geodesy.h"
#include "tests/sim/sim_test_support.h"

namespace navbin::sim {
namespace {

using namespace navbin::commands;
using testing::AskOne;
using testing::Bytes;
using testing::Ids;
using testing::Ms;
using testing::Packet;
using testing::RunFor;
using testing::Send;
using IdList = std::vector<int>;

IdList BroadcastIds(SimulatedReceiver& rx) {
  return Ids(RunFor(rx, Ms(1000)));
}

TEST(ReceiverSettings, IoOptionsChooseTheBroadcastReports) {
  SimulatedReceiver rx(21);
  EXPECT_EQ(BroadcastIds(rx), (IdList{0x4A, 0x56}));
  const struct {
    std::uint8_t position, velocity;
    IdList ids;
  } cases[] = {
      {0x12, 0x02, {0x84, 0x56}},              // LLA, double precision
      {0x00, 0x00, {0x42, 0x43}},              // XYZ single, XYZ velocity
      {0x10, 0x02, {0x83, 0x56}},              // XYZ double
      {0x03, 0x03, {0x42, 0x4A, 0x43, 0x56}},  // both layouts asked for
  };
  for (const auto& c : cases) {
    const Packet echo = AskOne(rx, BuildSetIoOptions({c.position, c.velocity, 0, 0}));
    EXPECT_EQ(echo, (Packet{0x55, {c.position, c.velocity, 0, 0}}));
    EXPECT_EQ(BroadcastIds(rx), c.ids) << "position byte " << int(c.position);
  }
  EXPECT_EQ(AskOne(rx, BuildRequestIoOptions()).payload, (Bytes{0x03, 0x03, 0, 0}));
}

TEST(ReceiverSettings, PositionAndVelocityLayoutsAgreeAndTheBiasFollowsItsRate) {
  SimulatedReceiver rx(33);
  AskOne(rx, BuildSetIoOptions({0x13, 0x03, 0, 0}));  // XYZ and LLA, double; both velocities
  const auto epoch = RunFor(rx, Ms(1000));
  ASSERT_EQ(Ids(epoch), (IdList{0x83, 0x84, 0x43, 0x56}));
  const Packet &xyz = epoch[0], &lla = epoch[1], &v43 = epoch[2], &v56 = epoch[3];
  const Ecef fromLla = LlaToEcef({lla.dbl(0), lla.dbl(8), lla.dbl(16)});
  EXPECT_NEAR(std::hypot(fromLla.x - xyz.dbl(0), fromLla.y - xyz.dbl(8), fromLla.z - xyz.dbl(16)),
              0, 0.01);
  EXPECT_DOUBLE_EQ(lla.dbl(24), xyz.dbl(24));  // clock bias, metres
  const double lat = lla.dbl(0) * 180 / kPi;
  EXPECT_TRUE(lat >= 30 && lat <= 60) << lat;
  // The ECEF velocity is the ENU velocity turned into the Earth's axes.
  const Enu back =
      EcefToEnu({v43.single(0), v43.single(4), v43.single(8)}, {lla.dbl(0), lla.dbl(8), 0});
  EXPECT_NEAR(
      std::hypot(back.east - v56.single(0), back.north - v56.single(4), back.up - v56.single(8)), 0,
      1e-4);
  EXPECT_FLOAT_EQ(v43.single(12), v56.single(12));  // bias rate

  const auto next = RunFor(rx, Ms(1000));
  const float rate1 = v56.single(12), rate2 = next[3].single(12);
  EXPECT_NEAR(rate1, rate2, 0.05);
  EXPECT_NE(rate1, rate2) << "the rate drifts";
  EXPECT_NEAR(next[1].dbl(24) - lla.dbl(24), rate2, 0.1);
  EXPECT_NEAR(next[1].single(32) - lla.single(32), 1.0f, 1e-3) << "time of fix";
}

TEST(ReceiverSettings, SetCommandsAreStoredAndReportedBack) {
  SimulatedReceiver rx(3);
  Send(rx, BuildSetDatum({16}));      // 00 10: a stuffed DLE on the wire
  Send(rx, BuildSetDatum({0xFFFF}));  // the dialog's "no selection" keeps it
  EXPECT_EQ(AskOne(rx, BuildRequestDatum()).u16(1), 16);
  Send(rx, BuildSetGpsConfiguration({4, 0, 2, 0.0872665f, 6.0f, 8.0f, 5.0f, 20}));
  const Packet gps = AskOne(rx, BuildRequestGpsConfiguration());
  EXPECT_EQ((Bytes{gps.payload.at(1), gps.payload[2], gps.payload[3], gps.payload[35]}),
            (Bytes{4, 0, 2, 20}));
  EXPECT_EQ((std::vector<float>{gps.single(15), gps.single(19), gps.single(23), gps.single(27)}),
            (std::vector<float>{0.0872665f, 6.0f, 8.0f, 5.0f}));
  EXPECT_EQ(AskOne(rx, BuildRequestDgpsMode()).payload, Bytes{0});  // DGPS off
  // An untouched dialog sends 0xFF for the lists and -1 for the masks.
  Send(rx, BuildSetGpsConfiguration({0xFF, 0xFF, 0xFF, -0.0174533f, -1, -1, -1, 0xFF}));
  EXPECT_EQ(AskOne(rx, BuildRequestGpsConfiguration()), gps);

  Send(rx, BuildSetSerialPortConfiguration({1, 9, 3, 1, 0, 1, 4}));
  EXPECT_EQ(AskOne(rx, BuildRequestSerialPortConfiguration(1)).payload,
            (Bytes{1, 9, 9, 3, 1, 0, 0, 1, 4, 0}));
  Send(rx, BuildSetPpsCharacteristics({1, 1, 1, 2.5e-6, 50.0f}));
  const Packet pps = AskOne(rx, BuildRequestPpsCharacteristics());
  EXPECT_EQ(pps.payload.at(2), 1);
  EXPECT_DOUBLE_EQ(pps.dbl(4), 2.5e-6);
  EXPECT_FLOAT_EQ(pps.single(12), 50.0f);
  Send(rx, BuildSetPpsOutput({4}));
  EXPECT_EQ(AskOne(rx, BuildRequestPpsOutput()).payload.at(1), 4);
  Send(rx, BuildSetSelfSurveyParameters({0, 1, 3600}));
  const Packet survey = AskOne(rx, BuildRequestSelfSurveyParameters());
  EXPECT_EQ((Bytes{survey.payload.at(1), survey.payload[2]}), (Bytes{0, 1}));
  EXPECT_EQ(link::GetU32(survey.at(3)), 3600u);
  Send(rx, BuildSetFilterConfiguration({0, 1, 1}));
  EXPECT_EQ(AskOne(rx, BuildRequestFilterConfiguration()).payload, (Bytes{0, 1, 1, 0}));
  Send(rx,
       BuildSetNavTxtConfiguration({0x1F, 300, {1, 2, 3, 4, 5, 6, 7, 8}, {'A', 'B', 'C', 'D'}}));
  const Packet txt = AskOne(rx, BuildRequestNavTxtConfiguration());
  EXPECT_EQ((std::vector<int>{txt.payload.at(1), txt.u16(2), txt.u16(18), txt.payload[20],
                              txt.payload[23]}),
            (std::vector<int>{0x1F, 300, 8, 'A', 'D'}));
}

TEST(ReceiverSettings, FiltersSmoothTheFixes) {
  SimulatedReceiver filtered(21), rough(21);
  Send(rough, BuildSetFilterConfiguration({0, 1, 1}));  // no position-velocity filter
  RunFor(filtered, Ms(5000));
  RunFor(rough, Ms(5000));
  EXPECT_DOUBLE_EQ(rough.fix().velocity.east, 2 * filtered.fix().velocity.east);
}

TEST(ReceiverSettings, ElevationMaskRemovesSatellitesFromTheFix) {
  SimulatedReceiver rx(12);
  RunFor(rx, std::chrono::seconds(60));
  Send(rx, BuildSetGpsConfiguration({0, 2, 1, 1.4f, 0, 12, 6, 30}));  // 80 degrees
  EXPECT_TRUE(RunFor(rx, Ms(1000)).empty()) << "no fix, no position reports";
  const int status = testing::Ask(rx, BuildRequestReceiverHealth()).at(0).payload.at(0);
  EXPECT_TRUE(status >= 0x08 && status <= 0x0B) << status;
}

TEST(ReceiverSettings, ResetsApplyTheSensitivityAndFactoryDefaultsAfterAQuietSpell) {
  SimulatedReceiver rx(6);
  Send(rx, BuildSetSensitivityMode({.afterReset = 1}));
  Send(rx, BuildSetSensitivityMode({.afterReset = 0xFF}));  // no mode: kept
  EXPECT_EQ(AskOne(rx, BuildRequestSensitivityMode()).payload, (Bytes{0, 1}));
  Send(rx, BuildSoftReset());
  rx.advance(Ms(SimulatedReceiver::kResetQuietMs + 100));
  EXPECT_EQ(AskOne(rx, BuildRequestSensitivityMode()).payload, (Bytes{1, 1}));  // taken over

  Send(rx, BuildSetIoOptions({0x12, 0x00, 0x01, 0}));
  Send(rx, BuildSetDatum({7}));
  Send(rx, BuildReset(0x46));
  EXPECT_TRUE(testing::Ask(rx, BuildRequestVersion()).empty()) << "deaf while resetting";
  EXPECT_TRUE(RunFor(rx, Ms(1000)).empty()) << "mute while resetting";
  const auto back = RunFor(rx, Ms(1500));  // holds at least one second past the quiet spell
  ASSERT_FALSE(back.empty());
  EXPECT_EQ(back[0].id, 0x45) << "announces itself";
  EXPECT_EQ(rx.settings(), ReceiverSettings{});
  EXPECT_EQ(BroadcastIds(rx), (IdList{0x4A, 0x56}));
}

TEST(ReceiverSettings, PacketMasksTimingRequestsAndSurveyAlarms) {
  SimulatedReceiver rx(14);
  Send(rx, BuildSetPacketMasks({0, 0x00}));  // no automatic outputs
  EXPECT_TRUE(RunFor(rx, Ms(1000)).empty());
  EXPECT_EQ(AskOne(rx, BuildRequestPacketMasks()).payload, (Bytes{0xA5, 0, 0, 0, 0}));
  EXPECT_TRUE(testing::Ask(rx, BuildRequestTimingPacketAB(TimingRequestWhen::NextSecond)).empty());
  EXPECT_EQ(BroadcastIds(rx), (IdList{0x8F}));
  EXPECT_TRUE(RunFor(rx, Ms(1000)).empty()) << "once only";
  Send(rx, BuildRequestTimingPacketAC(TimingRequestWhen::BothNextSecond));
  const auto both = RunFor(rx, Ms(1000));
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0].subId(), 0xAB);
  EXPECT_EQ(both[1].subId(), 0xAC);
  Send(rx, BuildSetPacketMasks({0, 0xE0}));  // outputs and both timing packets, every second
  EXPECT_EQ(BroadcastIds(rx), (IdList{0x4A, 0x56, 0x8F, 0x8F}));

  Send(rx, BuildClearStoredPosition());
  Send(rx, BuildRestartSelfSurvey());
  const Packet ac = AskOne(rx, BuildRequestTimingPacketAC(TimingRequestWhen::Immediately));
  EXPECT_EQ(ac.payload.at(3), 0);     // progress restarted
  EXPECT_NE(ac.u16(10) & 0x0020, 0);  // survey in progress
  EXPECT_NE(ac.u16(10) & 0x0040, 0);  // no stored position
}

TEST(ReceiverSettings, TimeBeforeTheFixLineAfterTheReplyExactPositionMovesTheSite) {
  SimulatedReceiver rx(14);
  EXPECT_FALSE(rx.solution().hasFix);
  EXPECT_EQ(AskOne(rx, BuildSetGpsTime(-5.0f, 2300)).payload.at(0), 'N');  // no sense
  EXPECT_EQ(AskOne(rx, BuildSetGpsTime(345600.0f, 2300)).payload.at(0), 'Y');
  RunFor(rx, Ms(3000));
  ASSERT_TRUE(rx.solution().hasFix);
  EXPECT_EQ(AskOne(rx, BuildSetGpsTime(345600.0f, 2300)).payload.at(0), 'N');

  // Port 0 to 38400 8-O-1: confirmed at the old line, which changes once the
  // confirmation has been taken.
  EXPECT_FALSE(rx.lineWasSet());
  Send(rx, BuildSetSerialPortConfiguration({0xFF, 9, 3, 1, 0, 2, 2}));
  EXPECT_EQ(rx.lineInForce().inputBaud, 7);
  EXPECT_EQ(support::Deframe(rx.takeOutput()).back().payload,
            (Bytes{0, 9, 9, 3, 1, 0, 0, 2, 2, 0}));
  EXPECT_EQ(rx.lineInForce().inputBaud, 9);
  EXPECT_TRUE(rx.lineWasSet());

  Send(rx, BuildSetAccuratePositionLla(0.8464847f, -0.1963495f, 10.0f));
  Send(rx, BuildSetAccuratePositionLla(2.0f, 0.0f, 0.0f));  // off the Earth: refused
  Send(rx, BuildSetInitialPositionLla(0.1f, 0.1f, 0.0f));   // a hint only
  RunFor(rx, Ms(1000));
  EXPECT_NEAR(rx.fix().position.latitude, 0.8464847, 1e-5);
  EXPECT_NEAR(rx.fix().position.longitude, -0.1963495, 1e-5);
}

}  // namespace
}  // namespace navbin::sim

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
using testing::Ask;
using testing::AskOne;
using testing::Bytes;
using testing::Ids;
using testing::Ms;
using testing::Packet;
using testing::RunFor;
using testing::Send;

std::vector<int> BroadcastIds(SimulatedReceiver& rx) {
  return Ids(RunFor(rx, Ms(1000)));
}

TEST(ReceiverSettings, IoOptionsChooseTheBroadcastReports) {
  SimulatedReceiver rx(21);
  EXPECT_EQ(BroadcastIds(rx), (std::vector<int>{0x4A, 0x56}));

  struct Case {
    std::uint8_t position, velocity;
    std::vector<int> ids;
  };
  const Case cases[] = {
      {0x12, 0x02, {0x84, 0x56}},              // LLA, double precision
      {0x00, 0x00, {0x42, 0x43}},              // XYZ single, XYZ velocity
      {0x10, 0x02, {0x83, 0x56}},              // XYZ double
      {0x03, 0x03, {0x42, 0x4A, 0x43, 0x56}},  // both layouts asked for
  };
  for (const Case& c : cases) {
    const auto echo = Ask(rx, BuildSetIoOptions({c.position, c.velocity, 0, 0}));
    ASSERT_EQ(echo.size(), 1u);
    EXPECT_EQ(echo[0].id, 0x55);
    EXPECT_EQ(echo[0].payload, (Bytes{c.position, c.velocity, 0, 0}));
    EXPECT_EQ(BroadcastIds(rx), c.ids) << "position byte " << int(c.position);
  }
  const auto io = Ask(rx, BuildRequestIoOptions());
  EXPECT_EQ(io[0].payload, (Bytes{0x03, 0x03, 0, 0}));
}

TEST(ReceiverSettings, PositionLayoutsAgree) {
  SimulatedReceiver rx(33);
  Ask(rx, BuildSetIoOptions({0x13, 0x03, 0, 0}));  // XYZ and LLA, double; both velocities
  const auto epoch = RunFor(rx, Ms(1000));
  ASSERT_EQ(Ids(epoch), (std::vector<int>{0x83, 0x84, 0x43, 0x56}));
  const Packet& xyz = epoch[0];
  const Packet& lla = epoch[1];
  ASSERT_EQ(xyz.payload.size(), 36u);
  ASSERT_EQ(lla.payload.size(), 36u);
  const Ecef fromLla = LlaToEcef({lla.dbl(0), lla.dbl(8), lla.dbl(16)});
  EXPECT_NEAR(fromLla.x, xyz.dbl(0), 0.01);
  EXPECT_NEAR(fromLla.y, xyz.dbl(8), 0.01);
  EXPECT_NEAR(fromLla.z, xyz.dbl(16), 0.01);
  EXPECT_DOUBLE_EQ(lla.dbl(24), xyz.dbl(24));  // clock bias, metres
  EXPECT_FLOAT_EQ(lla.single(32), xyz.single(32));

  const double lat = lla.dbl(0) * 180 / kPi;
  EXPECT_GE(lat, 30.0);
  EXPECT_LE(lat, 60.0);
  EXPECT_LE(std::abs(lla.dbl(8)), kPi);
  EXPECT_LT(std::abs(lla.dbl(24)), kSpeedOfLight * 1e-3);

  // The ECEF velocity is the ENU velocity turned into the Earth's axes.
  const Packet& v43 = epoch[2];
  const Packet& v56 = epoch[3];
  const Enu back =
      EcefToEnu({v43.single(0), v43.single(4), v43.single(8)}, {lla.dbl(0), lla.dbl(8), 0});
  EXPECT_NEAR(back.east, v56.single(0), 1e-4);
  EXPECT_NEAR(back.north, v56.single(4), 1e-4);
  EXPECT_NEAR(back.up, v56.single(8), 1e-4);
  EXPECT_FLOAT_EQ(v43.single(12), v56.single(12));  // bias rate
}

TEST(ReceiverSettings, BiasRateDriftsSlowlyAndBiasFollowsIt) {
  SimulatedReceiver rx(8);
  const auto first = RunFor(rx, Ms(1000));
  const auto second = RunFor(rx, Ms(1000));
  ASSERT_EQ(first.size(), 2u);
  ASSERT_EQ(second.size(), 2u);
  const float rate1 = first[1].single(12), rate2 = second[1].single(12);
  EXPECT_NEAR(rate1, rate2, 0.05);
  EXPECT_NE(rate1, rate2);
  const double biasStep = second[0].single(12) - first[0].single(12);
  EXPECT_NEAR(biasStep, rate2, 0.1);
  EXPECT_NEAR(second[0].single(16) - first[0].single(16), 1.0f, 1e-3) << "time of fix";
}

TEST(ReceiverSettings, SetCommandsAreStoredAndReportedBack) {
  SimulatedReceiver rx(3);
  Send(rx, BuildSetDatum(16));  // 00 10: a stuffed DLE on the wire
  EXPECT_EQ(Ask(rx, BuildRequestDatum())[0].u16(1), 16);
  Send(rx, BuildSetDatum(0xFFFF));  // the dialog's "no selection"
  EXPECT_EQ(Ask(rx, BuildRequestDatum())[0].u16(1), 16);
  EXPECT_EQ(rx.settings().datumIndex, 16);
  GpsConfiguration gps{4, 0, 2, 0.0872665f, 6.0f, 8.0f, 5.0f, 20};
  Send(rx, BuildSetGpsConfiguration(gps));
  Packet r = Ask(rx, BuildRequestGpsConfiguration())[0];
  EXPECT_EQ(r.payload[1], 4);
  EXPECT_EQ(r.payload[2], 0);
  EXPECT_EQ(r.payload[3], 2);
  EXPECT_FLOAT_EQ(r.single(15), 0.0872665f);
  EXPECT_FLOAT_EQ(r.single(19), 6.0f);
  EXPECT_FLOAT_EQ(r.single(23), 8.0f);
  EXPECT_FLOAT_EQ(r.single(27), 5.0f);
  EXPECT_EQ(r.payload[35], 20);
  EXPECT_EQ(Ask(rx, BuildRequestDgpsMode())[0].payload[0], 0);  // DGPS off

  // An untouched dialog sends 0xFF for the lists and -1 for the masks.
  Send(rx, BuildSetGpsConfiguration({0xFF, 0xFF, 0xFF, -0.0174533f, -1, -1, -1, 0xFF}));
  EXPECT_EQ(Ask(rx, BuildRequestGpsConfiguration())[0].payload, r.payload);
  Send(rx, BuildSetSerialPortConfiguration({1, 9, 3, 1, 0, 1, 4}));
  EXPECT_EQ(Ask(rx, BuildRequestSerialPortConfiguration(1))[0].payload,
            (Bytes{1, 9, 9, 3, 1, 0, 0, 1, 4, 0}));
  Send(rx, BuildSetPpsCharacteristics({1, 1, 1, 2.5e-6, 50.0f}));
  const Packet pps = Ask(rx, BuildRequestPpsCharacteristics())[0];
  EXPECT_EQ(pps.payload[2], 1);
  EXPECT_DOUBLE_EQ(pps.dbl(4), 2.5e-6);
  EXPECT_FLOAT_EQ(pps.single(12), 50.0f);
  Send(rx, BuildSetPpsOutput(4));
  EXPECT_EQ(Ask(rx, BuildRequestPpsOutput())[0].payload[1], 4);
  Send(rx, BuildSetSelfSurveyParameters({0, 1, 3600}));
  const Packet survey = Ask(rx, BuildRequestSelfSurveyParameters())[0];
  EXPECT_EQ(survey.payload[1], 0);
  EXPECT_EQ(survey.payload[2], 1);
  EXPECT_EQ(link::GetU32(survey.at(3)), 3600u);
  Send(rx, BuildSetFilterConfiguration(0, 1, 1));
  EXPECT_EQ(Ask(rx, BuildRequestFilterConfiguration())[0].payload, (Bytes{0, 1, 1, 0}));
  NavTxtConfiguration navTxt{0x1F, 300, {1, 2, 3, 4, 5, 6, 7, 8}, {'A', 'B', 'C', 'D'}};
  Send(rx, BuildSetNavTxtConfiguration(navTxt));
  const Packet txt = Ask(rx, BuildRequestNavTxtConfiguration())[0];
  EXPECT_EQ(txt.payload[1], 0x1F);
  EXPECT_EQ(txt.u16(2), 300);
  EXPECT_EQ(txt.u16(18), 8);
  EXPECT_EQ(txt.payload[20], 'A');
  EXPECT_EQ(txt.payload[23], 'D');
}

TEST(ReceiverSettings, ElevationMaskRemovesSatellitesFromTheFix) {
  SimulatedReceiver rx(12);
  RunFor(rx, std::chrono::seconds(60));
  Send(rx, BuildSetGpsConfiguration({0, 2, 1, 1.4f, 0, 12, 6, 30}));  // 80 degrees
  const auto epoch = RunFor(rx, Ms(1000));
  EXPECT_TRUE(epoch.empty()) << "no fix, no position reports";
  const auto health = Ask(rx, BuildRequestReceiverHealth());
  EXPECT_GE(health[0].payload[0], 0x08);
  EXPECT_LE(health[0].payload[0], 0x0B);
}

TEST(ReceiverSettings, SensitivityTakesOverAtReset) {
  SimulatedReceiver rx(5);
  Send(rx, BuildSetSensitivityMode(1));
  EXPECT_EQ(Ask(rx, BuildRequestSensitivityMode())[0].payload, (Bytes{0, 1}));
  Send(rx, BuildSoftReset());
  rx.advance(Ms(SimulatedReceiver::kResetQuietMs + 100));
  EXPECT_EQ(Ask(rx, BuildRequestSensitivityMode())[0].payload, (Bytes{1, 1}));
}

TEST(ReceiverSettings, FactoryResetRestoresDefaultsAfterAQuietSpell) {
  SimulatedReceiver rx(6);
  Send(rx, BuildSetIoOptions({0x12, 0x00, 0x01, 0}));
  Send(rx, BuildSetDatum(7));
  Send(rx, BuildReset(0x46));
  EXPECT_TRUE(Ask(rx, BuildRequestVersion()).empty()) << "deaf while resetting";
  EXPECT_TRUE(RunFor(rx, Ms(1000)).empty()) << "mute while resetting";
  const auto back = RunFor(rx, Ms(1500));  // holds at least one second past the quiet spell
  ASSERT_FALSE(back.empty());
  EXPECT_EQ(back[0].id, 0x45) << "announces itself";
  EXPECT_EQ(rx.settings(), ReceiverSettings{});
  EXPECT_EQ(Ids(RunFor(rx, Ms(1000))), (std::vector<int>{0x4A, 0x56}));
}

TEST(ReceiverSettings, PacketMasksAndTimingRequests) {
  SimulatedReceiver rx(14);
  Send(rx, BuildSetPacketMasks(0, 0x00));  // no automatic outputs
  EXPECT_TRUE(RunFor(rx, Ms(1000)).empty());
  EXPECT_EQ(Ask(rx, BuildRequestPacketMasks())[0].payload, (Bytes{0xA5, 0, 0, 0, 0}));

  EXPECT_TRUE(Ask(rx, BuildRequestTimingPacketAB(TimingRequestWhen::NextSecond)).empty());
  auto next = RunFor(rx, Ms(1000));
  ASSERT_EQ(next.size(), 1u);
  EXPECT_EQ(next[0].subId(), 0xAB);
  EXPECT_TRUE(RunFor(rx, Ms(1000)).empty()) << "once only";

  Send(rx, BuildRequestTimingPacketAC(TimingRequestWhen::BothNextSecond));
  next = RunFor(rx, Ms(1000));
  ASSERT_EQ(next.size(), 2u);
  EXPECT_EQ(next[0].subId(), 0xAB);
  EXPECT_EQ(next[1].subId(), 0xAC);

  Send(rx, BuildSetPacketMasks(0, 0xE0));  // outputs and both timing packets, every second
  next = RunFor(rx, Ms(1000));
  EXPECT_EQ(Ids(next), (std::vector<int>{0x4A, 0x56, 0x8F, 0x8F}));
}

TEST(ReceiverSettings, SurveyCommandsShowInTheAlarmsAndSetGpsTimeIsAnswered) {
  SimulatedReceiver rx(15);
  Send(rx, BuildClearStoredPosition());
  Send(rx, BuildRestartSelfSurvey());
  const Packet ac = Ask(rx, BuildRequestTimingPacketAC(TimingRequestWhen::Immediately))[0];
  EXPECT_EQ(ac.payload[3], 0);        // progress restarted
  EXPECT_NE(ac.u16(10) & 0x0020, 0);  // survey in progress
  EXPECT_NE(ac.u16(10) & 0x0040, 0);  // no stored position
  EXPECT_EQ(Ask(rx, BuildSetGpsTime(345600.0f, 2300))[0].payload[0], 'Y');
  EXPECT_EQ(Ask(rx, BuildSetGpsTime(-5.0f, 2300))[0].payload[0], 'N');
}

}  // namespace
}  // namespace navbin::sim

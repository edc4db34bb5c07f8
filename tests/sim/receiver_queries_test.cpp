// Every query is answered with a report of the exact layout and length, and
// plausible content.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "protocol/commands/config_commands.h"
#include "protocol/commands/query_commands.h"
#include "protocol/commands/timing_commands.h"
#include "sim/geodesy.h"
#include "tests/sim/sim_test_support.h"

namespace navbin::sim {
namespace {

using namespace navbin::commands;
using testing::Ask;
using testing::Received;

constexpr double kPi = 3.14159265358979323846;

Received AskOne(SimulatedReceiver& rx, const CommandPacket& command) {
  const auto replies = Ask(rx, command);
  EXPECT_EQ(replies.size(), 1u);
  return replies.empty() ? Received{} : replies.front();
}

TEST(ReceiverQueries, VersionTimeAndIoOptions) {
  SimulatedReceiver rx(7);
  const Received version = AskOne(rx, BuildRequestVersion());
  EXPECT_EQ(version.id, 0x45);
  ASSERT_EQ(version.payload.size(), 10u);
  for (std::size_t base : {0u, 5u}) {
    EXPECT_GE(version.payload[base + 2], 1);  // month
    EXPECT_LE(version.payload[base + 2], 12);
    EXPECT_GE(version.payload[base + 3], 1);  // day
    EXPECT_LE(version.payload[base + 3], 31);
  }
  // New enough firmware to report its datum.
  EXPECT_TRUE(version.payload[0] > 1 || version.payload[1] > 11);

  const Received time = AskOne(rx, BuildRequestGpsTime());
  EXPECT_EQ(time.id, 0x41);
  ASSERT_EQ(time.payload.size(), 10u);
  const float tow = time.single(0);
  EXPECT_GE(tow, 0.0f);
  EXPECT_LT(tow, 604800.0f);
  EXPECT_GT(time.u16(4), 2048);
  EXPECT_FLOAT_EQ(time.single(6), 18.0f);

  rx.advance(std::chrono::milliseconds(1500));
  const Received later = AskOne(rx, BuildRequestGpsTime());
  const double step = std::fmod(later.single(0) - tow + 604800.0, 604800.0);
  EXPECT_NEAR(step, 1.5, 0.05);

  const Received io = AskOne(rx, BuildRequestIoOptions());
  EXPECT_EQ(io.id, 0x55);
  EXPECT_EQ(io.payload, (std::vector<std::uint8_t>{0x02, 0x02, 0x00, 0x00}));
}

TEST(ReceiverQueries, DatumAndDgpsMode) {
  SimulatedReceiver rx(3);
  const Received datum = AskOne(rx, BuildRequestDatum());
  EXPECT_EQ(datum.id, 0x8F);
  ASSERT_EQ(datum.payload.size(), 43u);
  EXPECT_EQ(datum.subId(), 0x15);
  EXPECT_EQ(datum.u16(1), 0);
  EXPECT_DOUBLE_EQ(datum.dbl(27), 6378137.0);

  const Received dgps = AskOne(rx, BuildRequestDgpsMode());
  EXPECT_EQ(dgps.id, 0x82);
  ASSERT_EQ(dgps.payload.size(), 1u);
  EXPECT_LE(dgps.payload[0], 3);
}

TEST(ReceiverQueries, HealthIsFollowedByMachineStatus) {
  SimulatedReceiver rx(11);
  const auto replies = Ask(rx, BuildRequestReceiverHealth());
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].id, 0x46);
  EXPECT_EQ(replies[0].payload.size(), 2u);
  EXPECT_EQ(replies[1].id, 0x4B);
  EXPECT_EQ(replies[1].payload.size(), 3u);
}

TEST(ReceiverQueries, SatelliteSelectionAndTrackingAgree) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    SimulatedReceiver rx(seed);
    rx.advance(std::chrono::seconds(60));  // past the ephemeris collection
    const Received sel = AskOne(rx, BuildRequestSatelliteSelection());
    EXPECT_EQ(sel.id, 0x6D);
    const std::size_t count = sel.payload[0] >> 4;
    ASSERT_EQ(sel.payload.size(), 17 + count) << "seed " << seed;
    EXPECT_EQ(sel.payload[0] & 0x07, 4) << "3-D fix";
    const float pdop = sel.single(1), hdop = sel.single(5), vdop = sel.single(9);
    EXPECT_GE(pdop, 1.0f);
    EXPECT_LT(pdop, 10.0f);
    EXPECT_NEAR(pdop * pdop, hdop * hdop + vdop * vdop, 1e-3);
    EXPECT_GT(sel.single(13), 0.0f);  // TDOP

    int negative = 0;
    std::set<int> fixSvs;
    for (std::size_t i = 17; i < sel.payload.size(); ++i) {
      const auto sv = static_cast<std::int8_t>(sel.payload[i]);
      EXPECT_GE(std::abs(sv), 1);
      EXPECT_LE(std::abs(sv), 32);
      if (sv < 0) ++negative;
      fixSvs.insert(std::abs(sv));
    }
    EXPECT_GE(negative, 1) << "the unhealthy SV is listed as unusable";

    const auto tracking = Ask(rx, BuildRequestTrackingStatus());
    ASSERT_GE(tracking.size(), 8u);
    ASSERT_LE(tracking.size(), 12u);
    EXPECT_EQ(tracking.size(), count);
    std::set<int> channels;
    for (const Received& t : tracking) {
      EXPECT_EQ(t.id, 0x5C);
      ASSERT_EQ(t.payload.size(), 24u);
      EXPECT_TRUE(fixSvs.count(t.payload[0])) << "SV " << int(t.payload[0]);
      channels.insert(t.payload[1] >> 3);
      EXPECT_GT(t.single(4), 0.0f);  // signal level
      EXPECT_GE(t.single(12), 0.0f);
      EXPECT_LE(t.single(12), kPi / 2);
      EXPECT_GE(t.single(16), 0.0f);
      EXPECT_LT(t.single(16), 2 * kPi);
    }
    EXPECT_EQ(channels.size(), tracking.size());
    EXPECT_LT(*channels.rbegin(), 12);
  }
}

TEST(ReceiverQueries, SatellitesMoveSlowly) {
  SimulatedReceiver rx(5);
  const auto before = Ask(rx, BuildRequestTrackingStatus());
  rx.advance(std::chrono::minutes(10));
  const auto after = Ask(rx, BuildRequestTrackingStatus());
  ASSERT_EQ(before.size(), after.size());
  bool moved = false;
  for (std::size_t i = 0; i < before.size(); ++i) {
    const double del = std::abs(after[i].single(12) - before[i].single(12));
    const double daz = std::abs(after[i].single(16) - before[i].single(16));
    EXPECT_LT(del, 0.2);
    if (del > 1e-4 || daz > 1e-4) moved = true;
  }
  EXPECT_TRUE(moved);
}

TEST(ReceiverQueries, ConfigurationReportsHaveTheirLengths) {
  SimulatedReceiver rx(2);
  struct Case {
    CommandPacket command;
    std::uint8_t id;
    int subId;
    std::size_t length;
  };
  const Case cases[] = {
      {BuildRequestFilterConfiguration(), 0x70, -1, 4},
      {BuildRequestNavTxtConfiguration(), 0x7F, -1, 24},
      {BuildRequestSensitivityMode(), 0x89, -1, 2},
      {BuildRequestGpsConfiguration(), 0xBB, -1, 40},
      {BuildRequestSerialPortConfiguration(0), 0xBC, -1, 10},
      {BuildRequestSerialPortConfiguration(1), 0xBC, -1, 10},
      {BuildRequestPpsCharacteristics(), 0x8F, 0x4A, 16},
      {BuildRequestPpsOutput(), 0x8F, 0x4E, 2},
      {BuildRequestPacketMasks(), 0x8F, 0xA5, 5},
      {BuildRequestSelfSurveyParameters(), 0x8F, 0xA9, 11},
      {BuildSaveToFlash(), 0x8F, 0x26, 5},
      {BuildRequestTimingPacketAB(TimingRequestWhen::Immediately), 0x8F, 0xAB, 17},
      {BuildRequestTimingPacketAC(TimingRequestWhen::Immediately), 0x8F, 0xAC, 68},
  };
  for (const Case& c : cases) {
    const Received r = AskOne(rx, c.command);
    EXPECT_EQ(r.id, c.id) << "command " << int(c.command[0]);
    EXPECT_EQ(r.payload.size(), c.length) << "command " << int(c.command[0]);
    if (c.subId >= 0) {
      EXPECT_EQ(r.subId(), c.subId);
    }
  }
}

TEST(ReceiverQueries, TimingPacketsCarryTheReceiversTimeAndPlace) {
  SimulatedReceiver rx(9);
  const Received ab = AskOne(rx, BuildRequestTimingPacketAB(TimingRequestWhen::Immediately));
  const Received time = AskOne(rx, BuildRequestGpsTime());
  EXPECT_NEAR(link::GetS32(ab.at(1)), time.single(0), 1.0);
  EXPECT_EQ(ab.u16(5), time.u16(4));
  EXPECT_EQ(static_cast<std::int16_t>(ab.u16(7)), 18);
  EXPECT_LT(ab.payload[10], 60);
  EXPECT_LT(ab.payload[11], 60);
  EXPECT_LT(ab.payload[12], 24);
  EXPECT_GE(ab.payload[14], 1);
  EXPECT_LE(ab.payload[14], 12);
  EXPECT_GE(ab.u16(15), 2022);

  const Received ac = AskOne(rx, BuildRequestTimingPacketAC(TimingRequestWhen::Immediately));
  EXPECT_NEAR(ac.dbl(36), rx.profile().site.latitude, 1e-5);
  EXPECT_NEAR(ac.dbl(44), rx.profile().site.longitude, 1e-5);
  EXPECT_LE(ac.payload[3], 100);  // survey progress
}

TEST(ReceiverQueries, HealthVariesButIsMostlyGood) {
  SimulatedReceiver rx(4);
  int healthy = 0, total = 0;
  std::set<int> errorBits, statusBits;
  for (int second = 0; second < 3600; second += 5) {
    rx.advance(std::chrono::seconds(5));
    const auto replies = Ask(rx, BuildRequestReceiverHealth());
    ASSERT_EQ(replies.size(), 2u);
    errorBits.insert(replies[0].payload[1]);
    statusBits.insert(replies[1].payload[1]);
    if (replies[0].payload[0] == 0 && replies[0].payload[1] == 0) ++healthy;
    ++total;
  }
  EXPECT_GT(healthy, total * 3 / 4);
  EXPECT_GT(errorBits.size() + statusBits.size(), 2u);
}

}  // namespace
}  // namespace navbin::sim

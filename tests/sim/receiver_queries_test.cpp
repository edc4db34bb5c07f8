// Every query is answered with a report of the exact layout and length, and
// plausible content.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "protocol/commands/config_commands.h"
#include "protocol/commands/query_commands.h"
#include "protocol/commands/timing_commands.h"
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

constexpr double kPi = 3.14159265358979323846;

TEST(ReceiverQueries, EveryQueryHasItsReportOfTheExactLength) {
  SimulatedReceiver rx(2);
  const struct {
    CommandPacket command;
    std::vector<int> ids;  // the sub-id follows a super-packet's id
    std::vector<std::size_t> lengths;
  } cases[] = {
      {BuildRequestVersion(), {0x45}, {10}},
      {BuildRequestGpsTime(), {0x41}, {10}},
      {BuildRequestIoOptions(), {0x55}, {4}},
      {BuildRequestDatum(), {0x8F, 0x15}, {43}},
      {BuildRequestDgpsMode(), {0x82}, {1}},
      {BuildRequestReceiverHealth(), {0x46, 0x4B}, {2, 3}},  // health, then machine status
      {BuildRequestFilterConfiguration(), {0x70}, {4}},
      {BuildRequestNavTxtConfiguration(), {0x7F}, {24}},
      {BuildRequestSensitivityMode(), {0x89}, {2}},
      {BuildRequestGpsConfiguration(), {0xBB}, {40}},
      {BuildRequestSerialPortConfiguration(0), {0xBC}, {10}},
      {BuildRequestSerialPortConfiguration(1), {0xBC}, {10}},
      {BuildRequestPpsCharacteristics(), {0x8F, 0x4A}, {16}},
      {BuildRequestPpsOutput(), {0x8F, 0x4E}, {2}},
      {BuildRequestPacketMasks(), {0x8F, 0xA5}, {5}},
      {BuildRequestSelfSurveyParameters(), {0x8F, 0xA9}, {11}},
      {BuildSaveToFlash(), {0x8F, 0x26}, {5}},
      {BuildRequestTimingPacketAB(TimingRequestWhen::Immediately), {0x8F, 0xAB}, {17}},
      {BuildRequestTimingPacketAC(TimingRequestWhen::Immediately), {0x8F, 0xAC}, {68}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command[0]);
    const auto replies = Ask(rx, c.command);
    std::vector<int> ids;
    std::vector<std::size_t> lengths;
    for (const Packet& r : replies) {
      ids.push_back(r.id);
      if (r.id == 0x8F) ids.push_back(r.subId());
      lengths.push_back(r.payload.size());
    }
    EXPECT_EQ(ids, c.ids);
    EXPECT_EQ(lengths, c.lengths);
  }
}

TEST(ReceiverQueries, VersionTimeIoOptionsDatumAndDgpsContent) {
  SimulatedReceiver rx(7);
  const Packet version = AskOne(rx, BuildRequestVersion());
  for (std::size_t base : {0u, 5u}) {
    const int month = version.payload.at(base + 2), day = version.payload[base + 3];
    EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31) << month << "/" << day;
  }
  EXPECT_TRUE(version.payload[0] > 1 || version.payload[1] > 11) << "new enough to report a datum";
  const Packet time = AskOne(rx, BuildRequestGpsTime());
  const float tow = time.single(0);
  EXPECT_TRUE(tow >= 0 && tow < 604800) << tow;
  EXPECT_GT(time.u16(4), 2048);
  EXPECT_FLOAT_EQ(time.single(6), 18.0f);
  rx.advance(Ms(1500));
  const double step =
      std::fmod(AskOne(rx, BuildRequestGpsTime()).single(0) - tow + 604800.0, 604800.0);
  EXPECT_NEAR(step, 1.5, 0.05);

  EXPECT_EQ(AskOne(rx, BuildRequestIoOptions()).payload, (Bytes{0x02, 0x02, 0x00, 0x00}));
  const Packet datum = AskOne(rx, BuildRequestDatum());
  EXPECT_EQ(datum.u16(1), 0);
  EXPECT_DOUBLE_EQ(datum.dbl(27), 6378137.0);
  EXPECT_LE(AskOne(rx, BuildRequestDgpsMode()).payload.at(0), 3);
}

TEST(ReceiverQueries, SatelliteSelectionAndTrackingAgree) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    SimulatedReceiver rx(seed);
    rx.advance(std::chrono::seconds(60));  // past the ephemeris collection
    const Packet sel = AskOne(rx, BuildRequestSatelliteSelection());
    const std::size_t count = sel.payload.at(0) >> 4;
    ASSERT_EQ(sel.payload.size(), 17 + count);
    EXPECT_EQ(sel.payload[0] & 0x07, 4) << "3-D fix";
    const float pdop = sel.single(1), hdop = sel.single(5), vdop = sel.single(9);
    EXPECT_TRUE(pdop >= 1 && pdop < 10) << pdop;
    EXPECT_NEAR(pdop * pdop, hdop * hdop + vdop * vdop, 1e-3);
    int negative = 0;
    std::set<int> fixSvs;
    for (std::size_t i = 17; i < sel.payload.size(); ++i) {
      const int sv = static_cast<std::int8_t>(sel.payload[i]);
      negative += sv < 0;
      fixSvs.insert(std::abs(sv));
    }
    EXPECT_GE(negative, 1) << "the unhealthy SV is listed as unusable";

    const auto tracking = Ask(rx, BuildRequestTrackingStatus());
    ASSERT_GE(tracking.size(), 8u);
    EXPECT_EQ(tracking.size(), count);
    std::set<int> channels;
    for (const Packet& t : tracking) {
      EXPECT_EQ(t.id, 0x5C);
      ASSERT_EQ(t.payload.size(), 24u);
      EXPECT_TRUE(t.payload[0] >= 1 && t.payload[0] <= 32 && fixSvs.count(t.payload[0]));
      channels.insert(t.payload[1] >> 3);
      EXPECT_TRUE(t.single(12) >= 0.0f && t.single(12) <= kPi / 2) << "elevation";
      EXPECT_TRUE(t.single(16) >= 0.0f && t.single(16) < 2 * kPi) << "azimuth";
    }
    EXPECT_EQ(channels.size(), tracking.size());
    EXPECT_LT(*channels.rbegin(), 12);
  }
}

TEST(ReceiverQueries, SatellitesMoveSlowlyAndHealthIsMostlyGood) {
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
    moved = moved || del > 1e-4 || daz > 1e-4;
  }
  EXPECT_TRUE(moved);

  int healthy = 0;
  std::set<int> errorBits;
  for (int i = 0; i < 720; ++i) {  // an hour in steps of five seconds
    rx.advance(std::chrono::seconds(5));
    const Packet health = Ask(rx, BuildRequestReceiverHealth()).at(0);
    errorBits.insert(health.payload.at(1));
    healthy += health.payload[0] == 0 && health.payload[1] == 0;
  }
  EXPECT_GT(healthy, 720 * 3 / 4);
  EXPECT_GT(errorBits.size(), 1u) << "but varies";
}

TEST(ReceiverQueries, TimingPacketsCarryTheReceiversTimeAndPlace) {
  SimulatedReceiver rx(9);
  const Packet ab = AskOne(rx, BuildRequestTimingPacketAB(TimingRequestWhen::Immediately));
  const Packet time = AskOne(rx, BuildRequestGpsTime());
  EXPECT_NEAR(link::GetS32(ab.at(1)), time.single(0), 1.0);
  EXPECT_EQ(ab.u16(5), time.u16(4));
  EXPECT_EQ(static_cast<std::int16_t>(ab.u16(7)), 18);
  EXPECT_TRUE(ab.payload.at(10) < 60 && ab.payload[11] < 60 && ab.payload[12] < 24) << "s, min, h";
  EXPECT_TRUE(ab.payload[14] >= 1 && ab.payload[14] <= 12) << "month";
  EXPECT_GE(ab.u16(15), 2022);

  const Packet ac = AskOne(rx, BuildRequestTimingPacketAC(TimingRequestWhen::Immediately));
  EXPECT_NEAR(ac.dbl(36), rx.profile().site.latitude, 1e-5);
  EXPECT_NEAR(ac.dbl(44), rx.profile().site.longitude, 1e-5);
  EXPECT_LE(ac.payload.at(3), 100);  // survey progress
}

}  // namespace
}  // namespace navbin::sim

// The simulator's satellite data: what its options do to the 0x58 replies,
// and how the command line sets them.

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "sim/satellite_data.h"
#include "sim/sim_options.h"

namespace navbin::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The replies (id first) to one command payload, with the clock at 0 then 500.
std::vector<Packet> Answer(SatelliteDataStore& store, const Bytes& command) {
  store.handle(command, 0);
  auto now = store.takeDue(0);
  for (Packet& p : store.takeDue(500)) now.push_back(p);
  return now;
}

TEST(SimSatelliteData, RequestsLoadsAndOptions) {
  SatelliteDataStore store(7);
  const auto almanac = Answer(store, {1, 2, 32});
  ASSERT_EQ(almanac.size(), 1u);
  EXPECT_EQ(Bytes(almanac[0].begin(), almanac[0].begin() + 5), (Bytes{0x58, 2, 2, 32, 67}));
  EXPECT_EQ(almanac[0].size(), 5u + 67);
  EXPECT_EQ(Answer(store, {1, 6, 1})[0].size(), 5u + 151);
  for (const Bytes& unanswered : {Bytes{1, 1, 3}, Bytes{1, 2, 0}, Bytes{1, 4, 1}, Bytes{1, 2}}) {
    EXPECT_TRUE(Answer(store, unanswered).empty()) << int(unanswered[1]);
  }
  EXPECT_EQ(Answer(store, {2, 5, 0, 2, 7, 8}), (std::vector<Packet>{{0x58, 1, 5, 0, 0}}));
  EXPECT_EQ(Answer(store, {1, 5, 0}), (std::vector<Packet>{{0x58, 2, 5, 0, 2, 7, 8}}));
  EXPECT_TRUE(Answer(store, {2, 5, 0, 3, 7, 8}).empty()) << "length byte disagrees";

  store.setOptions({{}, {4}, true, 300, true});  // SV 4 without ephemeris, refusing, late, foreign
  store.handle(Bytes{1, 6, 4}, 0);
  EXPECT_TRUE(store.takeDue(299).empty());
  EXPECT_EQ(store.nextDueMs(), 300);
  EXPECT_EQ(store.takeDue(300), (std::vector<Packet>{{0x58, 0, 6, 5, 0}, {0x58, 0, 6, 4, 0}}));
  EXPECT_EQ(Answer(store, {2, 2, 1, 0}).back(), (Packet{0x58, 0, 2, 1, 0}));
  EXPECT_EQ(store.loadsStored(), 1);

  store.setOptions({{}, {}, false, 0, false, 9600});  // paced: about 7 + 75 bytes at 9600 baud
  store.handle(Bytes{1, 2, 1}, 1000);
  EXPECT_GE(store.nextDueMs(), 1000 + 90);
  EXPECT_LT(store.nextDueMs(), 1000 + 200);
}

TEST(SimSatelliteData, CommandLine) {
  std::string error;
  const std::vector<std::string_view> good{"--no-almanac",      "3,30",           "--late=250",
                                           "--refuse-loads",    "--no-ephemeris", "1",
                                           "--foreign-replies", "--pace",         "9600"};
  const auto o = ParseSimOptions(good, error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->satelliteData.noAlmanac, (std::vector<int>{3, 30}));
  EXPECT_EQ(o->satelliteData.noEphemeris, (std::vector<int>{1}));
  EXPECT_EQ(o->satelliteData.lateMs, 250);
  EXPECT_TRUE(o->satelliteData.refuseLoads);
  EXPECT_TRUE(o->satelliteData.foreign);
  EXPECT_EQ(o->satelliteData.paceBaud, 9600);
  for (std::string_view bad :
       {"--no-almanac=0", "--no-almanac=33", "--no-ephemeris=1,,2", "--no-almanac=", "--late=-1",
        "--late=x", "--late=60001", "--pace=50", "--pace="}) {
    const std::vector<std::string_view> args{bad};
    EXPECT_FALSE(ParseSimOptions(args, error)) << bad;
  }
}

}  // namespace
}  // namespace navbin::sim

// The simulator's satellite-data options on its command line (their effect on
// the replies is what the transfer tests see).

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "sim/sim_options.h"

namespace navbin::sim {
namespace {

TEST(SimSatelliteData, CommandLine) {
  std::string error;
  const std::vector<std::string_view> good{"--no-almanac",      "3,30",           "--late=250",
                                           "--refuse-loads",    "--no-ephemeris", "1",
                                           "--foreign-replies", "--pace",         "9600"};
  const auto o = ParseSimOptions(good, error);
  ASSERT_TRUE(o) << error;
  const SatelliteDataOptions& s = o->satelliteData;
  EXPECT_EQ(s.noAlmanac, (std::vector<int>{3, 30}));
  EXPECT_EQ(s.noEphemeris, (std::vector<int>{1}));
  EXPECT_TRUE(s.lateMs == 250 && s.refuseLoads && s.foreign && s.paceBaud == 9600);
  EXPECT_EQ(o->paceBaud, 9600);  // the line's pace too
  for (std::string_view bad : {"--no-almanac=0", "--no-almanac=33", "--no-ephemeris=1,,2",
                               "--no-almanac=", "--no-almanac=2,", "--late=-1", "--late=x",
                               "--late=60001", "--pace=50", "--pace="}) {
    const std::vector<std::string_view> args{bad};
    EXPECT_FALSE(ParseSimOptions(args, error)) << bad;
  }
}

}  // namespace
}  // namespace navbin::sim

// The simulator's geodesy, calendar and command line.

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "sim/geodesy.h"
#include "sim/gps_time.h"
#include "sim/sim_options.h"

namespace navbin::sim {
namespace {

TEST(SimGeodesy, KnownPointsAndRoundTrip) {
  const Ecef equator = LlaToEcef({0, 0, 0});
  EXPECT_NEAR(equator.x, kWgs84A, 1e-6);
  EXPECT_NEAR(equator.y, 0, 1e-6);
  const Ecef pole = LlaToEcef({kPi / 2, 0, 0});
  EXPECT_NEAR(pole.z, 6356752.314245, 1e-3);  // the semi-minor axis

  for (double latDeg : {-60.0, 0.5, 30.0, 51.4778, 59.9}) {
    const Lla p{latDeg * kPi / 180, 2.1, 812.5};
    const Lla back = EcefToLla(LlaToEcef(p));
    EXPECT_NEAR(back.latitude, p.latitude, 1e-10);
    EXPECT_NEAR(back.longitude, p.longitude, 1e-12);
    EXPECT_NEAR(back.altitude, p.altitude, 1e-4);
  }
  const Lla moved = OffsetLla({0.8, 0.3, 100}, {0, 0, 10});
  EXPECT_NEAR(moved.altitude, 110, 1e-6);
}

TEST(SimGpsTime, WeekAndCalendar) {
  const GpsTime t = SplitGpsMs(1200 * kMsPerWeek + 345600500);
  EXPECT_EQ(t.week, 1200u);
  EXPECT_DOUBLE_EQ(t.timeOfWeek, 345600.5);

  const auto fields = [](std::int64_t seconds) {
    const CivilTime c = CivilFromGpsSeconds(seconds);
    return std::vector<int>{c.year, c.month, c.day, c.hour, c.minute, c.second};
  };
  EXPECT_EQ(fields(0), (std::vector<int>{1980, 1, 6, 0, 0, 0}));
  EXPECT_EQ(fields(726105600), (std::vector<int>{2003, 1, 9, 0, 0, 0}));
  EXPECT_EQ(fields(2300LL * 604800 + 345600 + 21 * 86400 + 3723),
            (std::vector<int>{2024, 2, 29, 1, 2, 3}));
}

std::optional<SimOptions> Parse(std::vector<std::string_view> args, std::string& error) {
  return ParseSimOptions(args, error);
}

TEST(SimCommandLine, GoodArguments) {
  std::string error;
  auto o = Parse({}, error);
  ASSERT_TRUE(o);
  EXPECT_EQ(o->ports, 1);
  EXPECT_EQ(o->seed, 1u);

  o = Parse({"--ports", "3", "--link=/tmp/gps", "--seed", "42", "--silent", "2", "--silent=3",
             "--noise", "0.25", "--start-after", "8", "--stop-after=60"},
            error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->ports, 3);
  EXPECT_EQ(o->linkPath, "/tmp/gps");
  EXPECT_EQ(o->seed, 42u);
  EXPECT_EQ(o->silentPorts, (std::vector<int>{2, 3}));
  EXPECT_DOUBLE_EQ(o->noiseProbability, 0.25);
  EXPECT_EQ(o->startAfterSeconds, 8);
  EXPECT_EQ(o->stopAfterSeconds, 60);
  EXPECT_TRUE(Parse({"--help"}, error)->help);

  EXPECT_EQ(LinkPathOf("/tmp/gps", 0), "/tmp/gps");
  EXPECT_EQ(LinkPathOf("/tmp/gps", 2), "/tmp/gps2");
}

TEST(SimCommandLine, BadArguments) {
  const std::vector<std::vector<std::string_view>> bad = {
      {"--ports"},
      {"--ports", "0"},
      {"--ports", "17"},
      {"--ports", "two"},
      {"--ports", "3x"},
      {"--seed", "-1"},
      {"--seed", ""},
      {"--silent", "0"},
      {"--silent", "2"},
      {"--noise", "1.5"},
      {"--drop", "nan"},
      {"--link="},
      {"--frobnicate"},
      {"extra"},
      {"--stop-after", "0"},
      {"--start-after", "-1"},
      {"--stop-after", "1m"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(Parse(args, error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
  EXPECT_NE(SimUsage().find("--ports N"), std::string::npos);
}

}  // namespace
}  // namespace navbin::sim

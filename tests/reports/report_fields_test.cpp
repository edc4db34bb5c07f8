// DescribeReport: decoded fields by name, for the dump tool.

#include <cmath>
#include <limits>
#include <map>

#include "protocol/wire/report_fields.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using Value = decltype(ReportField::value);

std::map<std::string, Value> Describe(int id, const std::vector<std::uint8_t>& payload) {
  std::map<std::string, Value> fields;
  for (auto& f : DescribeReport(id, payload)) fields[f.name] = f.value;
  return fields;
}

double Number(const std::map<std::string, Value>& fields, const std::string& name) {
  const Value& v = fields.at(name);
  if (auto* d = std::get_if<double>(&v)) return *d;
  if (auto* f = std::get_if<float>(&v)) return *f;
  return static_cast<double>(std::get<std::int64_t>(v));
}

TEST(DescribeReport, DecodedFieldsByName) {
  auto f = Describe(0x41, Payload().single(345600).u16(1200).single(13));
  EXPECT_EQ(Number(f, "timeOfWeek"), 345600.0);
  EXPECT_EQ(std::get<std::int64_t>(f.at("week")), 1200);
  f = Describe(0x4A, Payload().single(-0.5f).single(1).single(10).single(29.9792458f).single(7));
  EXPECT_NEAR(Number(f, "latitude"), -28.6478893, 1e-6);
  EXPECT_NEAR(Number(f, "clockBias"), 100.0, 1e-4);  // in ns
  f = Describe(0x84, Payload().dbl(0.5).dbl(-0.25).dbl(12.5).dbl(299.792458).single(3));
  EXPECT_DOUBLE_EQ(Number(f, "longitude"), -0.25 * kDegreesPerRadian);
  EXPECT_EQ(Number(f, "altitude"), 12.5);
  f = Describe(0x56, Payload().single(1).single(-2).single(3).single(29.9792458f).single(0));
  EXPECT_EQ(Number(f, "velNorth"), -2.0);
  EXPECT_NEAR(Number(f, "biasRate"), 100.0, 1e-4);
  f = Describe(0x6D, Payload().u8(0x34).single(2).single(1).single(1).single(1).u8(0xFB).u8(7));
  EXPECT_EQ(Number(f, "dimension"), 3);
  EXPECT_EQ(Number(f, "svCount"), 3);
  EXPECT_EQ(std::get<std::string>(f.at("svs")), "-5 7");
  f = Describe(
      0x5C,
      Payload().u8(17).u8(0x58).u8(1).u8(0).single(40).single(5).single(0.5f).single(1).zeros(4));
  EXPECT_EQ(Number(f, "channel"), 11);
  EXPECT_NEAR(Number(f, "elevation"), 28.648, 1e-3);
  EXPECT_EQ(std::get<std::string>(Describe(0x46, Payload().u8(0x11).u8(0x30)).at("status")),
            "Invalid Status");
  EXPECT_EQ(std::get<std::string>(Describe(0x82, Payload().u8(9)).at("dgps")), "Unknown (9)");
  f = Describe(0x45, Payload().u8(1).u8(5).u8(3).u8(7).u8(4).u8(2).u8(13).u8(12).u8(25).u8(19));
  EXPECT_EQ(Number(f, "year"), 2004);
  EXPECT_EQ(Number(f, "signalYear"), 2019);
}

TEST(DescribeReport, WrongLengthsAndOtherIdsHaveNoFields) {
  const std::map<int, std::size_t> lengths = {{0x41, 10}, {0x42, 16}, {0x43, 20}, {0x45, 10},
                                              {0x46, 2},  {0x4A, 20}, {0x4B, 3},  {0x56, 20},
                                              {0x5C, 24}, {0x82, 1},  {0x83, 36}, {0x84, 36}};
  for (auto [id, n] : lengths) {
    EXPECT_FALSE(DescribeReport(id, std::vector<std::uint8_t>(n, 0)).empty()) << id;
    EXPECT_TRUE(DescribeReport(id, std::vector<std::uint8_t>(n - 1, 0)).empty()) << id;
    EXPECT_TRUE(DescribeReport(id, std::vector<std::uint8_t>(n + 1, 0)).empty()) << id;
  }
  EXPECT_TRUE(DescribeReport(0x6D, std::vector<std::uint8_t>(16, 0)).empty());
  EXPECT_FALSE(DescribeReport(0x6D, std::vector<std::uint8_t>(300, 0)).empty());
  EXPECT_TRUE(DescribeReport(0x5F, std::vector<std::uint8_t>(10, 0)).empty());
  EXPECT_TRUE(DescribeReport(0x8F, std::vector<std::uint8_t>(64, 0x20)).empty());
  EXPECT_TRUE(DescribeReport(-1, {}).empty());
}

TEST(NearestFloat, InfinityOnlyFromHalfALastPlaceBeyondTheLargestFloat) {
  constexpr float kMax = std::numeric_limits<float>::max(), kInf = HUGE_VALF;
  const std::pair<double, float> cases[] = {
      {-28.64788933333083, -28.64789f}, {0x1.fffffefp127, kMax}, {-0x1.ffffffp127, -kInf}};
  for (auto [value, nearest] : cases) EXPECT_EQ(NearestFloat(value), nearest) << value;
  EXPECT_TRUE(std::isnan(NearestFloat(NAN)));
}

}  // namespace
}  // namespace navbin::reports::test

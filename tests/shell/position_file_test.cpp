// The position file as "%d%f%f%f" reads it: each number ends where its
// characters end, and numbers beyond the float range become infinities.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "shell/position_file.h"

namespace navbin::shell {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(PositionFile, ItemsAsTheScanfConversionsReadThem) {
  const struct {
    std::string text;
    int kind, count;
    std::array<float, 3> values;
  } cases[] = {
      {"0\n48.5\n  11.25 10 99 junk", 0, 3, {48.5f, 11.25f, 10}},
      {"0 48.5abc 11.25 10", 0, 1, {48.5f}},
      {"1 -1-2-3 4", 1, 3, {-1, -2, -3}},
      {"1 +.5 -5. 2.5e+1x", 1, 3, {0.5f, -5, 25}},
      {"1 1.5e2x 7 8", 1, 1, {150}},
      {"0 1e 2 3", 0, 0, {}},  // an exponent letter without digits is no number
      {"0 48,5 11,25 10,0", 0, 1, {48}},
      {"0 inf nan 0x10", 0, 0, {}},
      {"1 16777217 0.1 -0.0", 1, 3, {16777216, 0.1f, 0}},  // the nearest float
      {"1 1e39 -3.5e38 1e-50", 1, 3, {kInf, -kInf, 0}},
      {"1 " + std::string(400, '9') + " 0." + std::string(400, '0') + "1 2e999999999",
       1,
       3,
       {kInf, 0, kInf}},
      {"2x 1 2 3", 2, 0, {}},
      {" -x", -1, 0, {}},
  };
  for (const auto& c : cases) {
    const PositionFile file = ParsePositionFile(c.text);
    EXPECT_EQ(file.kind, c.kind) << c.text;
    EXPECT_EQ(file.count, c.count) << c.text;
    EXPECT_EQ(file.values, c.values) << c.text;
  }
}

}  // namespace
}  // namespace navbin::shell

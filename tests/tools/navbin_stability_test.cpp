// navbin-stability run as a program: on text data, on the recordings, on a
// recording with a missing report, and on bad input.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "json_shape.h"
#include "tests/support/captures.h"
#include "tests/support/child_process.h"

namespace navbin::tools {
namespace {

const std::string kStability = std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-stability";
const std::string kHeader =
    "tau,n,adev,oadev,mdev,hdev,tdev,adev_lo,adev_hi,oadev_lo,oadev_hi,mdev_lo,mdev_hi,hdev_lo,"
    "hdev_hi,tdev_lo,tdev_hi";

struct StabilityRun {
  int exitCode;
  std::vector<std::string> lines;
};

StabilityRun Stability(const std::vector<std::string>& args) {
  support::ChildProcess child(kStability, args);
  const int code = child.finish(support::Ms(5000));
  return {code, child.outLines()};
}

std::string TempFile(const std::string& name, const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() / ("navbin-stability-" + name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::stringstream in(row);
  for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
  return cells;
}

TEST(NavbinStability, NinePointSetAsCsv) {
  const std::string data = "# y, tau0 = 1\n1,892\n2, 809\n823\n798\n\n671\n644\n883\n903\n677\n";
  const StabilityRun run = Stability({"--frequency", TempFile("nine", data)});
  ASSERT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.lines.size(), 3u);
  EXPECT_EQ(run.lines[0], kHeader);
  const std::vector<std::vector<double>> expected{
      {1, 8, 91.22945, 91.22945, 91.22945, 70.80607, 52.67135},
      {2, 6, 115.8082, 85.95287, 74.78849, 85.61487, 86.35831}};
  for (std::size_t row = 0; row < 2; ++row) {
    const auto cells = Cells(run.lines[row + 1]);
    ASSERT_EQ(cells.size(), 17u);
    for (std::size_t k = 0; k < expected[row].size(); ++k) {
      EXPECT_NEAR(std::stod(cells[k]), expected[row][k], 5e-7 * expected[row][k]) << row << k;
    }
  }
}

TEST(NavbinStability, ClockOfTheRecordingsAndAMissingReport) {
  for (const auto& [file, args] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"timing-a.nvb", {}},
           {"timing-b.nvb", {"--series", "rate"}},
           {"nav-lla-double.nvb", {}},
           {"nav-lla-double.nvb", {"--series", "rate", "--json"}}}) {
    auto all = args;
    all.push_back(support::CapturePath(file));
    const StabilityRun run = Stability(all);
    EXPECT_EQ(run.exitCode, 0) << file;
    ASSERT_FALSE(run.lines.empty());
    const bool json = args.size() == 3;
    EXPECT_TRUE(json ? test::IsJsonObject(run.lines[0]) : run.lines[0] == kHeader) << file;
  }
  // 59 reports a second apart: 57 terms at tau = 1. Without one second's
  // pair of timing reports the missing sample takes the three that use it.
  const auto bytes = support::ReadCapture("timing-a.nvb");
  std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(Cells(Stability({support::CapturePath("timing-a.nvb")}).lines.at(1))[1], "57");
  const std::string frameAB = "\x10\x03\x10\x8f\xab";
  const auto cut = text.find(frameAB, text.size() / 2);
  text.erase(cut, text.find(frameAB, cut + 1) - cut);
  EXPECT_EQ(Cells(Stability({TempFile("cut.nvb", text)}).lines.at(1))[1], "54");
}

TEST(NavbinStability, BadInputIsNamedAndRefused) {
  const auto recording = support::ReadCapture("timing-a.nvb");
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string message;
  } cases[] = {
      {{TempFile("empty", "")}, 2, "no samples"},
      {{TempFile("garbage", "1\n2\n3 # ok\n4,x\n")}, 2, "line 4 is not a number"},
      {{TempFile("short", "1\n2\n")}, 2, "too few"},
      {{TempFile("cut", std::string(recording.begin(), recording.begin() + 50))},
       2,
       "no clock reports"},
      {{"--frequency", support::CapturePath("timing-a.nvb")}, 2, "bias is phase"},
      {{"--tau0", "0", "x"}, 2, "--tau0"},
      {{"/nonexistent/file"}, 1, "No such file"},
  };
  for (const auto& c : cases) {
    const StabilityRun run = Stability(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
    ASSERT_FALSE(run.lines.empty());
    EXPECT_NE(run.lines[0].find(c.message), std::string::npos) << run.lines[0];
  }
}

}  // namespace
}  // namespace navbin::tools

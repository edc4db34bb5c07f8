// Writing the current fix to a position file.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "protocol/reports/download_position.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

namespace fs = std::filesystem;

class DownloadTest : public ReportTest {
 protected:
  DownloadTest() {
    dir = fs::temp_directory_path() /
          ("navbin-download-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    state.globals.downloadPositionPending = 1;
  }
  ~DownloadTest() override { fs::remove_all(dir); }

  std::string chooseNewFile() {
    const std::string path = (dir / "position.dat").string();
    prompter.files.push_back(path);
    return path;
  }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir;
};

TEST_F(DownloadTest, SingleXyzFileAndMessage) {
  const std::string path = chooseNewFile();
  deliver(0x42, Payload().single(1.125f).single(-2.5f).single(3).single(0));
  EXPECT_EQ(state.globals.downloadPositionPending, 0);
  EXPECT_EQ(Contents(path), "1 1.12 -2.50 3.00");
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].filter, "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
  EXPECT_EQ(prompter.requests[0].initialName, " ");
  EXPECT_TRUE(prompter.requests[0].forSaving);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Position successfully downloaded.\n\nX: 1.12\nY: -2.50\nZ: 3.00");
  EXPECT_EQ(prompter.messages[0].caption, "Success");
  EXPECT_EQ(prompter.messages[0].icon, Icon::None);
}

TEST_F(DownloadTest, SingleLlaGivesSignedDegrees) {
  const std::string path = chooseNewFile();
  deliver(0x4A, Payload().single(-0.5f).single(-1.0f).single(55.55f).single(0).single(0));
  // -0.5 rad is -28.6478901 degrees as a single, -1 rad -57.2957802.
  EXPECT_EQ(Contents(path), "0 -28.648 -57.296 55.5");
  EXPECT_EQ(prompter.messages.at(0).text,
            "Position successfully downloaded.\n\nLat: -28.648\nLon: -57.296\nAlt: 55.5");
}

TEST_F(DownloadTest, DoubleReportsUseFiveDecimals) {
  const std::string path = chooseNewFile();
  deliver(0x83, Payload().dbl(-2430601.828125).dbl(1.5).dbl(-3.25).dbl(0).single(0));
  EXPECT_EQ(Contents(path), "1 -2430601.82812 1.50000 -3.25000");
  EXPECT_EQ(prompter.messages.at(0).text,
            "Position successfully downloaded.\n\nX: -2430601.82812\nY: 1.50000\nZ: -3.25000");

  state.globals.downloadPositionPending = 1;
  prompter.files.push_back(path);
  deliver(0x84, Payload().dbl(0.5).dbl(-0.25).dbl(12.3456).dbl(0).single(0));
  EXPECT_EQ(Contents(path), "0 28.64789 -14.32394 12.346");
  EXPECT_EQ(prompter.messages.at(1).text,
            "Position successfully downloaded.\n\nLat: 28.64789\nLon: -14.32394\nAlt: 12.346");
}

TEST_F(DownloadTest, CancelledChoiceWritesNothingAndConsumesTheRequest) {
  prompter.files.push_back(std::nullopt);
  deliver(0x42, Payload().single(1).single(2).single(3).single(0));
  EXPECT_EQ(state.globals.downloadPositionPending, 0);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(fs::is_empty(dir));
  deliver(0x42, Payload().single(1).single(2).single(3).single(0));
  EXPECT_EQ(prompter.requests.size(), 1u);
}

TEST_F(DownloadTest, UncreatableFileShowsTheErrorBox) {
  prompter.files.push_back((dir / "missing" / "position.dat").string());
  deliver(0x42, Payload().single(1).single(2).single(3).single(0));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Unable to open data file.");
  EXPECT_EQ(prompter.messages[0].caption, "Error");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(state.globals.downloadPositionPending, 0);
}

TEST_F(DownloadTest, FileThatCannotTakeTheLineIsNotReportedAsSaved) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  prompter.files.push_back(std::string("/dev/full"));
  deliver(0x42, Payload().single(1).single(2).single(3).single(0));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Error");
}

TEST_F(DownloadTest, OnlyTheDisplayPortConsumesTheRequest) {
  ports[2].monitored = true;
  deliver(2, 0x42, Payload().single(1).single(2).single(3).single(0));
  EXPECT_EQ(state.globals.downloadPositionPending, 1);
  EXPECT_TRUE(prompter.requests.empty());
}

TEST_F(DownloadTest, NothingHappensWithoutARequest) {
  state.globals.downloadPositionPending = 0;
  deliver(0x42, Payload().single(1).single(2).single(3).single(0));
  EXPECT_TRUE(prompter.requests.empty());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(PositionFileLine, OtherIdsHaveNoLine) {
  EXPECT_EQ(PositionFileLine(0x56, 1, 2, 3), "");
  EXPECT_EQ(PositionDownloadMessage(0x41, 1, 2, 3), "");
}

}  // namespace
}  // namespace navbin::reports::test

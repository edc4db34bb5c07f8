// Writing the current fix to a position file.

#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "protocol/presentation/config_control_names.h"
#include "protocol/wire/units.h"
#include "shell/config_dialogs.h"
#include "shell/download_position.h"
#include "tests/reports/report_fixture.h"
#include "tests/support/locale_guard.h"

namespace navbin::reports::test {
namespace {

namespace fs = std::filesystem;
using shell::PositionDownloadMessage;
using shell::PositionFileLine;

const Bytes kXyz = Payload().single(1.125f).single(-2.5f).single(3).single(0);

class DownloadTest : public ReportTest {
 protected:
  DownloadTest() {
    dir = fs::temp_directory_path() /
          ("navbin-download-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    state.globals.downloadPositionPending = 1;
  }
  ~DownloadTest() override { fs::remove_all(dir); }

  // Delivers the report with the file chooser answering `path`.
  void download(int id, const Bytes& payload, std::optional<std::string> path) {
    state.globals.downloadPositionPending = 1;
    prompter.files.push_back(path);
    deliver(id, payload);
    EXPECT_EQ(state.globals.downloadPositionPending, 0);
  }
  // Downloads into a new file and returns what it holds.
  std::string downloadFile(int id, const Bytes& payload) {
    download(id, payload, file());
    std::ifstream in(file(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string file() const { return (dir / "position.dat").string(); }
  std::string lastMessage() const { return prompter.boxes.back().text; }

  fs::path dir;
};

TEST_F(DownloadTest, EachReportKindWritesItsLineAndSaysSo) {
  EXPECT_EQ(downloadFile(0x42, kXyz), "1 1.12 -2.50 3.00");
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].filter, "Data Files (*.dat)|*.dat|All Files (*.*)|*.*");
  EXPECT_EQ(prompter.requests[0].initialName, " ");
  EXPECT_TRUE(prompter.requests[0].forSaving);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(lastMessage(), "Position successfully downloaded.\n\nX: 1.12\nY: -2.50\nZ: 3.00");
  EXPECT_EQ(prompter.boxes[0].caption, "Success");
  EXPECT_EQ(prompter.boxes[0].icon, Icon::None);

  // -0.5 rad is -28.6478901 degrees as a single, -1 rad -57.2957802.
  const Bytes lla = Payload().single(-0.5f).single(-1.0f).single(55.55f).single(0).single(0);
  EXPECT_EQ(downloadFile(0x4A, lla), "0 -28.648 -57.296 55.5");
  EXPECT_EQ(lastMessage(),
            "Position successfully downloaded.\n\nLat: -28.648\nLon: -57.296\nAlt: 55.5");

  const Bytes xyz = Payload().dbl(-2430601.828125).dbl(1.5).dbl(-3.25).dbl(0).single(0);
  EXPECT_EQ(downloadFile(0x83, xyz), "1 -2430601.82812 1.50000 -3.25000");
  EXPECT_EQ(lastMessage(),
            "Position successfully downloaded.\n\nX: -2430601.82812\nY: 1.50000\nZ: -3.25000");
  const Bytes dlla = Payload().dbl(0.5).dbl(-0.25).dbl(12.3456).dbl(0).single(0);
  EXPECT_EQ(downloadFile(0x84, dlla), "0 28.64789 -14.32394 12.346");
  EXPECT_EQ(lastMessage(),
            "Position successfully downloaded.\n\nLat: 28.64789\nLon: -14.32394\nAlt: 12.346");
  EXPECT_EQ(PositionFileLine(0x56, 1, 2, 3), "");
  EXPECT_EQ(PositionDownloadMessage(0x41, 1, 2, 3), "");
}

TEST_F(DownloadTest, FilesThatCannotBeWrittenShowTheErrorBox) {
  std::vector<std::string> paths = {(dir / "missing" / "position.dat").string()};
  if (fs::exists("/dev/full")) paths.push_back("/dev/full");  // opens, but takes no line
  for (const auto& path : paths) {
    download(0x42, kXyz, path);
    ASSERT_EQ(prompter.boxes.size(), 1u) << path;
    EXPECT_EQ(prompter.boxes[0].text, "Unable to open data file.");
    EXPECT_EQ(prompter.boxes[0].caption, "Error");
    EXPECT_EQ(prompter.boxes[0].icon, Icon::Exclamation);
    prompter.boxes.clear();
  }
}

TEST_F(DownloadTest, APositionTheFileCannotHoldIsRefusedBeforeAnyFileIsAskedFor) {
  const std::pair<int, Bytes> refused[] = {
      {0x42, Payload().single(NAN).single(1).single(2).single(0)},
      {0x83, Payload().dbl(1).dbl(1e300).dbl(2).dbl(0).single(0)},
      {0x84, Payload().dbl(0.5).dbl(1).dbl(-1e39).dbl(0).single(0)},  // just beyond a float
  };
  for (std::size_t i = 0; i < std::size(refused); ++i) {
    download(refused[i].first, refused[i].second, file());
    ASSERT_EQ(prompter.boxes.size(), i + 1);
    EXPECT_EQ(lastMessage(),
              "Position not downloaded: the receiver reported a position that is not a number "
              "or out of range.");
    EXPECT_EQ(prompter.boxes[i].icon, Icon::Exclamation);
  }
  EXPECT_TRUE(prompter.requests.empty());
  EXPECT_TRUE(fs::is_empty(dir));
  prompter.files.clear();
  download(0x83, Payload().dbl(FLT_MAX).dbl(-FLT_MAX).dbl(0).dbl(0).single(0), file());
  EXPECT_EQ(prompter.boxes.back().caption, "Success");
}

// Written by the download, read by the Initial Position dialog, each under a
// comma locale or C: the fractions stay.
TEST_F(DownloadTest, TheFileKeepsItsFractionsWhicheverLocaleWritesOrReadsIt) {
  const char* const comma = support::kCommaLocale;
  const std::pair<const char*, const char*> locales[] = {
      {comma, comma}, {comma, "C"}, {"C", comma}};
  for (auto [writer, reader] : locales) {
    std::optional<support::LocaleGuard> locale(writer);
    if (!locale->ok()) GTEST_SKIP() << writer << " is not installed";
    const double lat = 48.5 * kRadiansPerDegree, lon = -11.25 * kRadiansPerDegree;
    EXPECT_EQ(downloadFile(0x84, Payload().dbl(lat).dbl(lon).dbl(10.5).dbl(0).single(0)),
              "0 48.50000 -11.25000 10.500");
    locale.emplace(reader);                                         // the writer's goes first
    display.at(Form::InitialPos, RadioGroup_PosMode).selected = 2;  // Exact LLA
    prompter.files = {file()};
    shell::ReadPositionFile(display, prompter);
    EXPECT_EQ(texts(Form::InitialPos, {Edit_Lat, Edit_Lon, Edit_Alt}),
              (Strings{"48.500", "-11.250", "10.5"}))
        << writer << " to " << reader;
  }
}

TEST_F(DownloadTest, OnlyARequestOnTheDisplayPortIsServedAndACancelConsumesIt) {
  ports[2].monitored = true;
  deliver(2, 0x42, kXyz);
  EXPECT_EQ(state.globals.downloadPositionPending, 1);
  EXPECT_TRUE(prompter.requests.empty());
  download(0x42, kXyz, std::nullopt);
  deliver(0x42, kXyz);  // no request any more
  EXPECT_EQ(prompter.requests.size(), 1u);
  EXPECT_TRUE(prompter.boxes.empty());
  EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
}  // namespace navbin::reports::test

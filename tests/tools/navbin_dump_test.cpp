// navbin-dump run as a program: on the recordings, on standard input, on
// damaged and unreadable files, and live on a pseudo-terminal.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "json_shape.h"
#include "tests/support/captures.h"
#include "tests/support/child_process.h"
#include "tests/support/pty.h"

namespace navbin::tools {
namespace {

using support::Ms;

const std::string kDump = std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-dump";

// Standard output and error together, as lines.
struct DumpRun {
  int exitCode;
  std::vector<std::string> lines;
  std::string text;
};

DumpRun Dump(const std::vector<std::string>& args, const std::string& input = "/dev/null") {
  support::ChildProcess dump(kDump, args, input);
  const int code = dump.finish(Ms(5000));
  return {code, dump.outLines(), dump.out()};
}

TEST(NavbinDump, PrintsOneLinePerPacketOfEveryRecording) {
  for (const auto& c : support::KnownCaptures()) {
    SCOPED_TRACE(c.file);
    const std::string path = support::CapturePath(c.file);
    const DumpRun text = Dump({path});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.lines.size(), static_cast<std::size_t>(c.packets()));  // and no error line
    const DumpRun json = Dump({"--json", path});
    EXPECT_EQ(json.exitCode, 0);
    ASSERT_EQ(json.lines.size(), static_cast<std::size_t>(c.packets()));
    for (const auto& line : json.lines) {
      ASSERT_TRUE(test::IsJsonObject(line)) << line;
      EXPECT_NE(line.find("\"len\":"), std::string::npos);
      EXPECT_NE(line.find("\"hex\":\""), std::string::npos);
    }
  }
  // Super-packets carry their sub-id.
  EXPECT_EQ(Dump({support::CapturePath("timing-a.nvb")}).lines.at(0).rfind("8F-AB 17 AB", 0), 0u);
  EXPECT_EQ(Dump({"--json", support::CapturePath("timing-a.nvb")})
                .lines.at(0)
                .rfind("{\"id\":\"8F\",\"sub\":\"AB\",\"len\":17,", 0),
            0u);
  // "-" reads standard input.
  const DumpRun piped = Dump({"-"}, support::CapturePath("timing-b.nvb"));
  EXPECT_EQ(piped.exitCode, 0);
  EXPECT_EQ(piped.lines.size(), 125u);
}

// The checked-in decodes of every recording; scripts/golden writes them anew
// after a deliberate change.
TEST(NavbinDump, EveryRecordingDecodesAsItsGoldenFile) {
  const std::filesystem::path recordings(NAVBIN_CAPTURES_DIR);
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(recordings)) {
    if (entry.path().extension() != ".nvb") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const auto golden = recordings.parent_path() / "golden" / entry.path().stem() += ".jsonl";
    std::ifstream in(golden);
    ASSERT_TRUE(in) << golden << " is missing: run scripts/golden";
    std::vector<std::string> want;
    for (std::string line; std::getline(in, line);) want.push_back(line);
    const DumpRun run = Dump({"--json", entry.path().string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines.size(), want.size());
    for (std::size_t i = 0; i < std::min(want.size(), run.lines.size()); ++i) {
      ASSERT_EQ(run.lines[i], want[i]) << "line " << i + 1;  // the first difference only
    }
    ++compared;
  }
  EXPECT_GE(compared, 6);
}

TEST(NavbinDump, TruncatedEmptyAndUnreadableInput) {
  const auto bytes = support::ReadCapture("nav-tracking.nvb");
  std::size_t cut = bytes.size() / 2;
  while (bytes[cut] == 0x10 || bytes[cut - 1] == 0x10) ++cut;  // inside a payload
  const support::Bytes head(bytes.begin(), bytes.begin() + static_cast<long>(cut));
  const auto dir = std::filesystem::temp_directory_path();
  const std::string truncated = dir / ("navbin-dump-cut-" + std::to_string(::getpid()));
  std::ofstream(truncated, std::ios::binary)
      .write(reinterpret_cast<const char*>(head.data()), static_cast<long>(head.size()));
  DumpRun r = Dump({truncated});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.lines.size(), support::Deframe(head).size());  // and no error line
  std::ofstream(truncated, std::ios::trunc).close();
  EXPECT_EQ(Dump({truncated}).lines.size(), 0u);
  std::filesystem::remove(truncated);

  r = Dump({"/no/such/file.nvb"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.text.find("/no/such/file.nvb"), std::string::npos);
  r = Dump({"/tmp"});  // a directory
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(r.text.empty());
  EXPECT_EQ(Dump({}).exitCode, 2);
  EXPECT_EQ(Dump({"--bogus", "x"}).exitCode, 2);
  EXPECT_EQ(Dump({"/dev/null"}).exitCode, 0);  // not a terminal: read like a file
}

TEST(NavbinDump, ReadsALiveDeviceUntilItGoesAway) {
  support::Pty pty;
  ASSERT_TRUE(pty.ok());
  support::ChildProcess dump(kDump, {pty.slave()});
  ASSERT_TRUE(dump.started());
  // Bytes sent before the program has put the line in raw mode would meet
  // the terminal's default line editing.
  ASSERT_TRUE(pty.waitForRawMode(2000));
  support::Bytes frames = support::Frame({0x41, 1, 2, 3});
  const auto second = support::Frame({0x8F, 0xAB, 0x10});
  frames.insert(frames.end(), second.begin(), second.end());
  ASSERT_TRUE(pty.send(frames));
  dump.readOut(2, Ms(2000));
  const auto lines = dump.outLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("41 3 010203", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("8F-AB 2 AB10", 0), 0u) << lines[1];
  pty.closeMaster();  // the far side hangs up: the dump ends normally
  EXPECT_EQ(dump.waitExit(Ms(2000)), 0);
}

}  // namespace
}  // namespace navbin::tools

// navbin-config as a program against simulated receivers: settings carried
// from one receiver to another, a line moved to 38400 baud, and bad files
// refused before a byte is sent.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "config/device_link.h"
#include "platform/device_opener.h"
#include "tests/support/child_process.h"
#include "tests/support/pty.h"

namespace navbin::tools {
namespace {

using support::Ms;

const std::string kConfig = std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-config";
const std::string kSim = std::string(NAVBIN_BINARY_DIR) + "/sim/navbin-sim";

struct ProgramRun {
  int exitCode;
  std::string out;
};

ProgramRun Config(const std::vector<std::string>& args) {
  support::ChildProcess run(kConfig, args);
  const int code = run.finish(Ms(60000));
  return {code, run.out()};
}

std::string Dir(const std::string& name) {
  const std::string dir = testing::TempDir() + name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Edit(const std::string& path, const std::string& from, const std::string& to) {
  std::string text = ReadFile(path);
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  std::ofstream(path) << text.replace(at, from.size(), to);
}

// A simulated receiver on a link of its own.
struct SimulatedReceiver {
  explicit SimulatedReceiver(const std::string& path) : path(path), child(kSim, {"--link", path}) {
    child.readOut(1, Ms(10000));  // its device line
  }
  std::string path;
  support::ChildProcess child;
};

// Sends the commands the configuration dialogs send; returns once the
// receiver has answered a query sent after them.
void SetAsTheDialogsDo(const std::string& path, const std::vector<commands::CommandPacket>& sets) {
  platform::DeviceOpener opener;
  const auto device = opener.open(path);
  ASSERT_TRUE(device) << path;
  config::DeviceLink link(*device);
  for (const auto& set : sets) link.send(set);
  link.send(commands::BuildRequestDatum());
  ASSERT_TRUE(link.await({0x8F, 0x15}, Ms(5000)));
}

TEST(NavbinConfig, CarriesSettingsFromOneReceiverToAnotherAndShowsAHandEditedField) {
  const std::string dir = Dir("navbin_config_pair");
  SimulatedReceiver first(dir + "/first"), second(dir + "/second");
  SetAsTheDialogsDo(first.path, {commands::BuildSetDatum({7}),
                                 commands::BuildSetGpsConfiguration({4, 1, 3, 0.25f, 6, 8, 5, 20}),
                                 commands::BuildSetPpsOutput({4}),
                                 commands::BuildSetSelfSurveyParameters({1, 1, 500})});
  const std::string file = dir + "/first.json";
  EXPECT_EQ(Config({"save", "--port", first.path, file}).exitCode, 0);
  EXPECT_EQ(Config({"diff", "--port", second.path, file}).exitCode, 1);
  const ProgramRun restore = Config({"restore", "--port", second.path, file});
  EXPECT_EQ(restore.exitCode, 0) << restore.out;
  const ProgramRun equal = Config({"diff", "--port", second.path, file});
  EXPECT_EQ(equal.exitCode, 0);
  EXPECT_EQ(equal.out, "");

  Edit(file, "\"datumIndex\": 7", "\"datumIndex\": 9");
  const ProgramRun edited = Config({"diff", "--port", second.path, file});
  EXPECT_EQ(edited.exitCode, 1);
  EXPECT_EQ(edited.out, "datum.datumIndex: 9 -> 7\n");
}

TEST(NavbinConfig, KeepsTalkingToAReceiverWhoseLineItMovesTo38400) {
  const std::string dir = Dir("navbin_config_line");
  SimulatedReceiver rx(dir + "/rx");
  const std::string file = dir + "/rx.json";
  ASSERT_EQ(Config({"save", "--port", rx.path, file}).exitCode, 0);
  Edit(file, "\"inputBaud\": 7", "\"inputBaud\": 9");  // serialPort0, the line's own port
  Edit(file, "\"dgpsMode\": 2", "\"dgpsMode\": 0");
  const ProgramRun restore = Config({"restore", "--port", rx.path, "--flash", file});
  EXPECT_EQ(restore.exitCode, 0) << restore.out;
  EXPECT_NE(restore.out.find("serialPort0: confirmed\nsaved to flash\n"), std::string::npos)
      << restore.out;
  EXPECT_EQ(Config({"diff", "--port", rx.path, "--baud", "38400", file}).exitCode, 0);
}

TEST(NavbinConfig, RefusesABadFileOrCommandLineBeforeSendingAnything) {
  support::Pty pty;
  ASSERT_TRUE(pty.ok());
  const std::string dir = Dir("navbin_config_bad");
  const std::string good = dir + "/good.json";
  std::ofstream(good) << R"({"format": 1, "datum": {"datumIndex": 3}, "ppsOutput": {"code": 2}})";
  const struct {
    std::string text;  // the file; empty: `good`
    std::vector<std::string> args;
    std::string says;
  } rows[] = {
      {"datum = 3", {"restore"}, "not JSON: parse error at line 1, column 1"},
      {R"({"format": 2})", {"diff"}, "format: 2 is not known; this program reads format 1"},
      {R"({"format": 1, "ppsOutput": {"code": 256}})", {"restore"}, "ppsOutput.code: 256 is out"},
      {R"({"format": 1, "datum": {"datumIndex": "3"}})", {"restore"}, "datum.datumIndex: a whole"},
      {"", {"restore", "--timeout", "0"}, "--timeout '0': give milliseconds"},
      {"", {"restore", "--baud", "12345"}, "--baud '12345': not a speed the receiver knows"},
      {"", {"save", "--flash"}, "--flash goes with restore"},
      {"", {"load"}, "unknown command 'load'"},
  };
  for (const auto& row : rows) {
    std::string file = good;
    if (!row.text.empty()) std::ofstream(file = dir + "/bad.json") << row.text;
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"--port", pty.slave(), file});
    const ProgramRun run = Config(args);
    EXPECT_EQ(run.exitCode, 2) << row.says;
    EXPECT_NE(run.out.find(row.says), std::string::npos) << run.out;
    EXPECT_TRUE(pty.drain().empty()) << row.says;
  }
}

}  // namespace
}  // namespace navbin::tools

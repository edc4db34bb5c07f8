// Reading the command line: the second-character rule, the long options that
// come before it, and what -c names.

#include <gtest/gtest.h>

#include <climits>

#include "shell/decimal_text.h"
#include "shell/startup.h"

namespace navbin::shell {
namespace {

TEST(StartupCommandLine, OnlyTheSecondCharacterCounts) {
  for (const char* e : {"-e", "/e", "xe", "-enable"}) {
    EXPECT_TRUE(ReadCommandLine({e}).enableAll) << e;
  }
  const CommandLine dm = ReadCommandLine({"/d", "-m"});
  EXPECT_TRUE(dm.diagnostics && dm.multiPort);
  EXPECT_FALSE(dm.enableAll);
  // One-character arguments set nothing.
  const CommandLine one = ReadCommandLine({"e", "d", "m", "c", "-", ""});
  EXPECT_FALSE(one.enableAll || one.diagnostics || one.multiPort || one.hasPortArgument);
  EXPECT_TRUE(one.errors.empty());
  // The first port argument wins.
  const CommandLine c = ReadCommandLine({"-c3", "-c7"});
  EXPECT_TRUE(c.hasPortArgument);
  EXPECT_EQ(c.portArgument, "3");
  EXPECT_EQ(ReadCommandLine({"/c"}).portArgument, "");
  EXPECT_TRUE(ReadCommandLine({"/c"}).hasPortArgument);
}

TEST(StartupCommandLine, LongOptionValuesAreNotReadAsOptions) {
  // "/dev/pts/7" has 'd' second: read as an option it would show Diagnostics.
  const CommandLine cl = ReadCommandLine({"--port", "/dev/pts/7", "--port=/dev/ttyUSB1", "--grab",
                                          "/tmp/m.png", "--grab-after", "500"});
  EXPECT_FALSE(cl.diagnostics);
  EXPECT_EQ(cl.extraPorts, (std::vector<std::string>{"/dev/pts/7", "/dev/ttyUSB1"}));
  EXPECT_EQ(cl.grabFile, "/tmp/m.png");
  EXPECT_EQ(cl.grabAfterMs, 500);
  EXPECT_TRUE(cl.errors.empty());
  EXPECT_TRUE(ReadCommandLine({"--help"}).help);
  EXPECT_TRUE(ReadCommandLine({"--version"}).version);
  EXPECT_FALSE(ReadCommandLine({"--version"}).enableAll);
  EXPECT_TRUE(ReadCommandLine({"--port="}).extraPorts.empty());
  for (const auto& bad : std::vector<std::vector<std::string>>{
           {"--port"}, {"--grab-after", "soon"}, {"--grab-after", "-5"}, {"--frobnicate"}}) {
    EXPECT_EQ(ReadCommandLine(bad).errors.size(), 1u) << bad.back();
  }
}

TEST(StartupCommandLine, PortArgumentIsANumberOrAPath) {
  const std::pair<const char*, int> numbers[] = {{"3", 3},   {"3x", 3},  {" 12", 12},
                                                 {"-1", -1}, {"abc", 0}, {"", 0}};
  for (auto [text, com] : numbers) EXPECT_EQ(ReadPortArgument(text).com, com) << text;
  const PortArgument path = ReadPortArgument("/dev/ttyUSB0");
  EXPECT_EQ(path.com, 0);
  EXPECT_EQ(path.path, "/dev/ttyUSB0");
  EXPECT_EQ(ReadPortArgument("./ttyFake").path, "./ttyFake");
}

TEST(DecimalText, ReadsLikePercentD) {
  const std::pair<const char*, std::optional<int>> cases[] = {{"42", 42},
                                                              {"  +7 apples", 7},
                                                              {"\t-3", -3},
                                                              {"", std::nullopt},
                                                              {"-", std::nullopt},
                                                              {"x1", std::nullopt},
                                                              {"99999999999999999999", INT_MAX},
                                                              {"-99999999999999999999", INT_MIN}};
  for (auto [text, value] : cases) EXPECT_EQ(ScanDecimal(text), value) << text;
}

}  // namespace
}  // namespace navbin::shell

// Reading the command line: the second-character rule, the long options that
// come before it, and what -c names.

#include <gtest/gtest.h>

#include <climits>

#include "app/core/decimal_text.h"
#include "app/core/startup.h"

namespace navbin::app {
namespace {

TEST(StartupCommandLine, OnlyTheSecondCharacterCounts) {
  for (const char* e : {"-e", "/e", "xe", "-enable"}) {
    EXPECT_TRUE(ReadCommandLine({e}).enableAll) << e;
  }
  const CommandLine dm = ReadCommandLine({"/d", "-m"});
  EXPECT_TRUE(dm.diagnostics);
  EXPECT_TRUE(dm.multiPort);
  EXPECT_FALSE(dm.enableAll);
}

TEST(StartupCommandLine, OneCharacterArgumentsSetNothing) {
  const CommandLine cl = ReadCommandLine({"e", "d", "m", "c", "-", ""});
  EXPECT_FALSE(cl.enableAll);
  EXPECT_FALSE(cl.diagnostics);
  EXPECT_FALSE(cl.multiPort);
  EXPECT_FALSE(cl.hasPortArgument);
  EXPECT_TRUE(cl.errors.empty());
}

TEST(StartupCommandLine, FirstPortArgumentWins) {
  const CommandLine cl = ReadCommandLine({"-c3", "-c7"});
  EXPECT_TRUE(cl.hasPortArgument);
  EXPECT_EQ(cl.portArgument, "3");
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
}

TEST(StartupCommandLine, UnusableLongOptionsAreErrors) {
  EXPECT_EQ(ReadCommandLine({"--port"}).errors.size(), 1u);
  EXPECT_EQ(ReadCommandLine({"--grab-after", "soon"}).errors.size(), 1u);
  EXPECT_EQ(ReadCommandLine({"--grab-after", "-5"}).errors.size(), 1u);
  EXPECT_EQ(ReadCommandLine({"--frobnicate"}).errors.size(), 1u);
  EXPECT_TRUE(ReadCommandLine({"--port="}).extraPorts.empty());
}

TEST(StartupCommandLine, PortArgumentIsANumberOrAPath) {
  EXPECT_EQ(ReadPortArgument("3").com, 3);
  EXPECT_EQ(ReadPortArgument("3x").com, 3);  // "%d" stops at the first non-digit
  EXPECT_EQ(ReadPortArgument(" 12").com, 12);
  EXPECT_EQ(ReadPortArgument("-1").com, -1);
  EXPECT_EQ(ReadPortArgument("abc").com, 0);
  EXPECT_EQ(ReadPortArgument("").com, 0);
  const PortArgument path = ReadPortArgument("/dev/ttyUSB0");
  EXPECT_EQ(path.com, 0);
  EXPECT_EQ(path.path, "/dev/ttyUSB0");
  EXPECT_EQ(ReadPortArgument("./ttyFake").path, "./ttyFake");
}

TEST(DecimalText, ReadsLikePercentD) {
  EXPECT_EQ(ScanDecimal("42"), 42);
  EXPECT_EQ(ScanDecimal("  +7 apples"), 7);
  EXPECT_EQ(ScanDecimal("\t-3"), -3);
  EXPECT_EQ(ScanDecimal(""), std::nullopt);
  EXPECT_EQ(ScanDecimal("-"), std::nullopt);
  EXPECT_EQ(ScanDecimal("x1"), std::nullopt);
  EXPECT_EQ(ScanDecimal("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ScanDecimal("-99999999999999999999"), INT_MIN);
}

}  // namespace
}  // namespace navbin::app

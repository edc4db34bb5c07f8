// The start-up plan from a fake enumeration, a stored port map and a stored
// dialog item: the port list, the display port and the dialog.

#include <gtest/gtest.h>

#include "shell/port_settings.h"
#include "shell/startup.h"

namespace navbin::shell {
namespace {

using Paths = std::vector<std::string>;

std::vector<int> List(const StartupPlan& plan) {
  return {plan.portList.begin(), plan.portList.begin() + std::max(plan.portListCount, 0)};
}

class StartupPlanTest : public ::testing::Test {
 protected:
  StartupPlan plan(std::vector<std::string> args, std::optional<int> storedItem = {}) {
    const auto enumerate = [this] {
      ++enumerations;
      return found;
    };
    // Paths with "gone" in them cannot be opened.
    const auto canOpen = [](const std::string& path) {
      return path.find("gone") == std::string::npos;
    };
    return PlanStartup(ReadCommandLine(args), enumerate, stored, storedItem, canOpen);
  }
  // COM1 and COM3 are known devices that the enumeration finds.
  void findCom1AndCom3() {
    stored.assign(1, "/dev/ttyS0");
    stored.assign(3, "/dev/ttyUSB0");
    found = {"/dev/ttyS0", "/dev/ttyUSB0"};
  }

  Paths found;
  platform::PortMap stored;
  int enumerations = 0;
};

TEST_F(StartupPlanTest, CommandLinesWithCom1AndCom3Found) {
  const std::vector<int> all16 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  const struct {
    std::vector<std::string> args;
    std::vector<int> list;
    int displayPort;
    bool enumerated, mapChanged;
  } cases[] = {
      {{"-c5"}, {1, 3, 5}, 5, true, false},  // a number missing from the list is appended
      {{"-c3"}, {1, 3}, 3, true, false},
      {{"-e", "-c9"}, all16, 9, false, false},  // -e skips the enumeration
      {{"e"}, {1, 3}, 0, true, false},          // one character sets nothing
      {{"-c0"}, {1, 3}, 0, true, false},
      {{"-c17"}, {1, 3}, 0, true, false},
      {{"-c-2"}, {1, 3}, 0, true, false},
      {{"-cabc"}, {1, 3}, 0, true, false},
      {{"-c"}, {1, 3}, 0, true, false},
      {{"-c99999999999"}, {1, 3}, 0, true, false},
      {{"-c/dev/pts/7"}, {1, 2, 3}, 2, true, true},       // a new path takes the lowest free number
      {{"-c/dev/ttyUSB0"}, {1, 3}, 3, true, false},       // a known path keeps its number
      {{"-c/dev/gone7"}, {1, 2, 3}, 2, true, false},      // numbered this run, not remembered
      {{"-ctcp://rack:4000"}, {1, 2, 3}, 2, true, true},  // a network port is numbered alike
      {{"--port", "rfc2217://[::1]:2217", "-c3"}, {1, 2, 3}, 3, true, true},
      {{"--port", "/dev/pts/4", "--port", "/dev/pts/5", "-c/dev/pts/5"},
       {1, 2, 3, 4},
       2,  // the -c device is numbered before the --port ones
       true,
       true},
  };
  findCom1AndCom3();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    enumerations = 0;
    const StartupPlan p = plan(c.args);
    EXPECT_EQ(List(p), c.list);
    EXPECT_EQ(p.displayPort, c.displayPort);
    EXPECT_EQ(p.askUser, c.displayPort == 0);
    EXPECT_EQ(enumerations, c.enumerated ? 1 : 0);
    EXPECT_EQ(p.portMapChanged, c.mapChanged);
    EXPECT_EQ(p.dialog.items, (p.askUser ? Paths{"COM1", "COM3"} : Paths{}));  // only when asking
  }
  EXPECT_EQ(plan({"-c/dev/pts/7"}).savedPortMap.devicePath(2), "/dev/pts/7");
  EXPECT_EQ(plan({"-c/dev/gone7"}).portMap.devicePath(2), "/dev/gone7");
  EXPECT_EQ(plan({"-c/dev/gone7"}).savedPortMap.assigned(), (std::vector<int>{1, 3}));
}

TEST_F(StartupPlanTest, NothingFoundLeavesNoListAndTheBuiltInItems) {
  const StartupPlan p = plan({});
  EXPECT_EQ(p.portListCount, -1);
  EXPECT_TRUE(p.askUser);
  EXPECT_EQ(p.dialog.items, (Paths{"COM 1", "COM 2", "COM 3", "COM 4"}));
  EXPECT_EQ(DisplayPortOfItem(p, 2), 3);  // item i is COM i+1
  // -c with no list known: the number is used, the list stays unknown.
  const StartupPlan c = plan({"-c12"});
  EXPECT_EQ(c.displayPort, 12);
  EXPECT_EQ(c.portListCount, -1);
  // --port alone makes a list.
  EXPECT_EQ(List(plan({"--port", "/dev/pts/9"})), (std::vector<int>{1}));
}

TEST_F(StartupPlanTest, NumbersStayStableAcrossRunsAndAFullMapReusesAbsentOnes) {
  MemorySettingsStorage storage;
  found = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
  const StartupPlan first = plan({});
  SavePortMap(storage, first.portMap);
  // The second adapter is unplugged, a new one appears, then it comes back.
  stored = LoadPortMap(storage);
  found = {"/dev/ttyUSB0", "/dev/ttyACM0"};
  SavePortMap(storage, plan({}).portMap);
  stored = LoadPortMap(storage);
  found = {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0"};
  const StartupPlan third = plan({});
  EXPECT_EQ(third.portMap.comOf("/dev/ttyUSB0"), first.portMap.comOf("/dev/ttyUSB0"));
  EXPECT_EQ(third.portMap.comOf("/dev/ttyUSB1"), first.portMap.comOf("/dev/ttyUSB1"));
  EXPECT_EQ(third.portMap.comOf("/dev/ttyACM0"), 3);
  EXPECT_FALSE(third.portMapChanged);

  for (int com = 1; com <= 16; ++com) stored.assign(com, "/dev/gone" + std::to_string(com));
  found = {"/dev/gone5", "/dev/ttyUSB0"};
  const StartupPlan full = plan({});
  EXPECT_EQ(full.portMap.comOf("/dev/ttyUSB0"), 1);  // took the lowest absent one
  EXPECT_EQ(full.portMap.comOf("/dev/gone5"), 5);
  EXPECT_EQ(List(full), (std::vector<int>{1, 5}));
}

TEST_F(StartupPlanTest, SeventeenthDeviceIsLeftOutWithAWarningButNeverTheCommandLineOne) {
  // A UART on ttyS0 and 16 more devices listed; -c names the last of them.
  found = {"/dev/ttyS0"};
  for (int i = 0; i < 16; ++i) found.push_back("/dev/ttyUSB" + std::to_string(i));
  const StartupPlan p = plan({"-c/dev/ttyUSB15"});
  EXPECT_EQ(p.portListCount, 16);
  EXPECT_EQ(p.portMap.comOf("/dev/ttyUSB15"), 1);  // numbered first
  EXPECT_EQ(p.displayPort, 1);
  EXPECT_EQ(p.warnings, (Paths{"No free COM number for /dev/ttyUSB14"}));
  EXPECT_FALSE(p.askUser);
}

TEST_F(StartupPlanTest, StoredItemSelectsByPositionInTheList) {
  stored.assign(1, "/dev/a");
  stored.assign(3, "/dev/b");
  stored.assign(4, "/dev/c");
  found = {"/dev/a", "/dev/b", "/dev/c"};
  StartupPlan p = plan({}, 2);
  EXPECT_EQ(p.dialog.selected, 2);
  EXPECT_EQ(DisplayPortOfItem(p, p.dialog.selected), 4);
  EXPECT_EQ(p.dialog.devices, (Paths{"/dev/a", "/dev/b", "/dev/c"}));
  for (std::optional<int> outside :
       {std::optional<int>(3), std::optional<int>(-1), std::optional<int>()}) {
    EXPECT_EQ(plan({}, outside).dialog.selected, 0);
  }
  EXPECT_EQ(DisplayPortOfItem(p, 5), 0);
  stored = {};  // now COM1, COM2, COM3
  p = plan({}, 2);
  EXPECT_EQ(DisplayPortOfItem(p, p.dialog.selected), 3);
}

TEST_F(StartupPlanTest, AppliedToTheShell) {
  findCom1AndCom3();
  const StartupPlan p = plan({"-c5", "-d", "-m"});
  link::PortSelection shell;
  ApplyPlan(p, shell);
  EXPECT_EQ(shell.displayPort, 5);
  EXPECT_EQ(shell.portListCount, 3);
  EXPECT_EQ(shell.portList[2], 5);
  EXPECT_TRUE(p.diagnostics && p.multiPort);
}

}  // namespace
}  // namespace navbin::shell

// The start-up plan from a fake enumeration, a stored port map and a stored
// dialog item: the port list, the display port and the dialog.

#include <gtest/gtest.h>

#include "app/core/port_settings.h"
#include "app/core/startup.h"

namespace navbin::app {
namespace {

using Paths = std::vector<std::string>;

std::vector<int> List(const StartupPlan& plan) {
  std::vector<int> list;
  for (int i = 0; i < plan.portListCount; ++i) list.push_back(plan.portList[i]);
  return list;
}

class StartupPlanTest : public ::testing::Test {
 protected:
  StartupPlan plan(std::vector<std::string> args, std::optional<int> storedItem = {}) {
    return PlanStartup(
        ReadCommandLine(args),
        [this] {
          ++enumerations;
          return found;
        },
        stored, storedItem);
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

TEST_F(StartupPlanTest, PortNumberMissingFromTheListIsAppended) {
  findCom1AndCom3();
  const StartupPlan p = plan({"-c5"});
  EXPECT_EQ(List(p), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(p.portListCount, 3);
  EXPECT_EQ(p.displayPort, 5);
  EXPECT_FALSE(p.askUser);
}

TEST_F(StartupPlanTest, PortNumberAlreadyListedIsNotAddedTwice) {
  findCom1AndCom3();
  const StartupPlan p = plan({"-c3"});
  EXPECT_EQ(List(p), (std::vector<int>{1, 3}));
  EXPECT_EQ(p.displayPort, 3);
}

TEST_F(StartupPlanTest, EnableAllSkipsTheEnumerationAndListsSixteen) {
  findCom1AndCom3();
  const StartupPlan p = plan({"-e", "-c9"});
  EXPECT_EQ(enumerations, 0);
  EXPECT_EQ(p.portListCount, 16);
  EXPECT_EQ(p.portList.front(), 1);
  EXPECT_EQ(p.portList.back(), 16);
  EXPECT_EQ(p.displayPort, 9);
}

TEST_F(StartupPlanTest, OneCharacterEStillEnumerates) {
  findCom1AndCom3();
  const StartupPlan p = plan({"e"});
  EXPECT_EQ(enumerations, 1);
  EXPECT_EQ(List(p), (std::vector<int>{1, 3}));
  EXPECT_TRUE(p.askUser);
}

TEST_F(StartupPlanTest, BadPortNumbersAskTheUser) {
  findCom1AndCom3();
  for (const char* arg : {"-c0", "-c17", "-c-2", "-cabc", "-c", "-c99999999999"}) {
    const StartupPlan p = plan({arg});
    EXPECT_TRUE(p.askUser) << arg;
    EXPECT_EQ(p.displayPort, 0) << arg;
    EXPECT_EQ(List(p), (std::vector<int>{1, 3})) << arg;
    EXPECT_EQ(p.dialog.items, (Paths{"COM1", "COM3"})) << arg;
  }
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
}

TEST_F(StartupPlanTest, DevicePathGetsAComNumberAndIsListed) {
  findCom1AndCom3();
  const StartupPlan p = plan({"-c/dev/pts/7"});
  EXPECT_EQ(p.displayPort, 2);  // the lowest free number
  EXPECT_EQ(p.portMap.devicePath(2), "/dev/pts/7");
  EXPECT_TRUE(p.portMapChanged);
  EXPECT_EQ(List(p), (std::vector<int>{1, 2, 3}));
  // A path the map already knows keeps its number.
  EXPECT_EQ(plan({"-c/dev/ttyUSB0"}).displayPort, 3);
  EXPECT_FALSE(plan({"-c/dev/ttyUSB0"}).portMapChanged);
}

TEST_F(StartupPlanTest, ExtraPortsJoinTheList) {
  findCom1AndCom3();
  const StartupPlan p = plan({"--port", "/dev/pts/4", "--port", "/dev/pts/5", "-c/dev/pts/5"});
  EXPECT_EQ(List(p), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(p.portMap.devicePath(2), "/dev/pts/4");
  EXPECT_EQ(p.displayPort, 4);
  // Without anything enumerated, --port alone makes a list.
  found.clear();
  stored = {};
  EXPECT_EQ(List(plan({"--port", "/dev/pts/9"})), (std::vector<int>{1}));
}

TEST_F(StartupPlanTest, NumbersStayStableAcrossRuns) {
  MemorySettingsStorage storage;
  found = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
  StartupPlan first = plan({});
  SavePortMap(storage, first.portMap);
  // The second adapter is unplugged, a new one appears, then it comes back.
  stored = LoadPortMap(storage);
  found = {"/dev/ttyUSB0", "/dev/ttyACM0"};
  StartupPlan second = plan({});
  SavePortMap(storage, second.portMap);
  stored = LoadPortMap(storage);
  found = {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0"};
  const StartupPlan third = plan({});
  EXPECT_EQ(third.portMap.comOf("/dev/ttyUSB0"), first.portMap.comOf("/dev/ttyUSB0"));
  EXPECT_EQ(third.portMap.comOf("/dev/ttyUSB1"), first.portMap.comOf("/dev/ttyUSB1"));
  EXPECT_EQ(third.portMap.comOf("/dev/ttyACM0"), 3);
  EXPECT_FALSE(third.portMapChanged);
}

TEST_F(StartupPlanTest, FullMapReusesNumbersOfAbsentDevicesFirst) {
  for (int com = 1; com <= 16; ++com) stored.assign(com, "/dev/gone" + std::to_string(com));
  found = {"/dev/gone5", "/dev/ttyUSB0"};
  const StartupPlan p = plan({});
  EXPECT_EQ(p.portMap.comOf("/dev/ttyUSB0"), 1);  // took the lowest absent one
  EXPECT_EQ(p.portMap.comOf("/dev/gone5"), 5);
  EXPECT_EQ(List(p), (std::vector<int>{1, 5}));
}

TEST_F(StartupPlanTest, SeventeenthDeviceIsLeftOutWithAWarning) {
  for (int i = 0; i < 17; ++i) found.push_back("/dev/ttyUSB" + std::to_string(i));
  const StartupPlan p = plan({"-c/dev/ttyUSB16"});
  EXPECT_EQ(p.portListCount, 16);
  EXPECT_EQ(p.portMap.comOf("/dev/ttyUSB16"), 0);
  EXPECT_EQ(p.warnings, (Paths{"No free COM number for /dev/ttyUSB16"}));
  EXPECT_TRUE(p.askUser);  // the -c device has no number
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

  stored = {};
  found = {"/dev/a", "/dev/b", "/dev/c"};  // now COM1, COM2, COM3
  p = plan({}, 2);
  EXPECT_EQ(DisplayPortOfItem(p, p.dialog.selected), 3);
}

TEST_F(StartupPlanTest, StoredItemOutsideTheListSelectsItemZero) {
  findCom1AndCom3();
  EXPECT_EQ(plan({}, 2).dialog.selected, 0);
  EXPECT_EQ(plan({}, -1).dialog.selected, 0);
  EXPECT_EQ(plan({}, std::nullopt).dialog.selected, 0);
  EXPECT_EQ(DisplayPortOfItem(plan({}), 5), 0);
}

TEST_F(StartupPlanTest, AppliedToTheShell) {
  findCom1AndCom3();
  const StartupPlan p = plan({"-c5", "-d", "-m"});
  link::ShellGlobals shell;
  ApplyPlan(p, shell);
  EXPECT_EQ(shell.displayPort, 5);
  EXPECT_EQ(shell.portListCount, 3);
  EXPECT_EQ(shell.portList[2], 5);
  EXPECT_TRUE(p.diagnostics);
  EXPECT_TRUE(p.multiPort);
}

}  // namespace
}  // namespace navbin::app

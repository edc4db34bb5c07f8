// The stored settings of start-up: "Comm" with "%d" semantics, the port map,
// and storage that cannot be read or written.

#include <gtest/gtest.h>

#include "app/core/port_settings.h"
#include "app/core/startup.h"

namespace navbin::app {
namespace {

TEST(StartupSettings, CommReadsLikePercentD) {
  MemorySettingsStorage s;
  EXPECT_EQ(LoadCommItem(s), std::nullopt);
  s.values["Comm"] = "";
  EXPECT_EQ(LoadCommItem(s), std::nullopt);  // empty is no stored choice
  s.values["Comm"] = "2";
  EXPECT_EQ(LoadCommItem(s), 2);
  s.values["Comm"] = " 3 trailing";
  EXPECT_EQ(LoadCommItem(s), 3);
  s.values["Comm"] = "COM3";
  EXPECT_EQ(LoadCommItem(s), std::nullopt);
  SaveCommItem(s, 11);
  EXPECT_EQ(s.values["Comm"], "11");
}

TEST(StartupSettings, NotANumberLeavesItemZeroSelected) {
  MemorySettingsStorage s;
  s.values["Comm"] = "two";
  platform::PortMap map;
  map.assign(1, "/dev/a");
  map.assign(2, "/dev/b");
  const StartupPlan p = PlanStartup(
      {},
      [] {
        return std::vector<std::string>{"/dev/a", "/dev/b"};
      },
      map, LoadCommItem(s));
  EXPECT_EQ(p.dialog.selected, 0);
}

TEST(StartupSettings, PortMapRoundTrip) {
  MemorySettingsStorage s;
  platform::PortMap map;
  map.assign(3, "/dev/ttyUSB0");
  map.assign(16, "/dev/pts/7");
  SavePortMap(s, map);
  EXPECT_EQ(s.values["Ports/COM3"], "/dev/ttyUSB0");
  EXPECT_EQ(s.values["Ports/COM16"], "/dev/pts/7");
  const platform::PortMap back = LoadPortMap(s);
  EXPECT_EQ(back.assigned(), (std::vector<int>{3, 16}));
  // A number that lost its device is removed from the store.
  map.assign(16, "");
  SavePortMap(s, map);
  EXPECT_EQ(s.values.count("Ports/COM16"), 0u);
}

TEST(StartupSettings, OddStoredMapsAreCleanedUp) {
  MemorySettingsStorage s;
  // Numbers outside 1..16 are not read; a path stored twice keeps its first number.
  s.values = {{"Ports/COM4", "/dev/ttyUSB3"},  {"Ports/COM1", "/dev/ttyUSB0"},
              {"Ports/COM20", "/dev/ttyUSB9"}, {"Ports/COM3", "/dev/ttyUSB2"},
              {"Ports/COM5", "/dev/ttyUSB0"},  {"Ports/COM6", ""}};
  const platform::PortMap map = LoadPortMap(s);
  EXPECT_EQ(map.assigned(), (std::vector<int>{1, 3, 4}));
  const StartupPlan p = PlanStartup(
      {},
      [] {
        return std::vector<std::string>{"/dev/ttyUSB3", "/dev/ttyUSB0", "/dev/ttyUSB2"};
      },
      map, std::nullopt);
  EXPECT_EQ(p.portListCount, 3);
  EXPECT_EQ(p.portList[0], 1);
  EXPECT_EQ(p.portList[1], 3);
  EXPECT_EQ(p.portList[2], 4);
}

TEST(StartupSettings, InaccessibleStorageIsSilent) {
  MemorySettingsStorage s;
  s.values = {{"Comm", "2"}, {"Ports/COM2", "/dev/ttyUSB0"}};
  s.readable = false;
  EXPECT_EQ(LoadCommItem(s), std::nullopt);
  EXPECT_TRUE(LoadPortMap(s).assigned().empty());
  s.readable = true;
  s.writable = false;
  SaveCommItem(s, 5);
  platform::PortMap map;
  SavePortMap(s, map);
  EXPECT_EQ(s.values["Comm"], "2");
  EXPECT_EQ(s.values["Ports/COM2"], "/dev/ttyUSB0");
}

}  // namespace
}  // namespace navbin::app

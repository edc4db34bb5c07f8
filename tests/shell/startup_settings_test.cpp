// The stored settings of start-up: "Comm" with "%d" semantics, the port map,
// and storage that cannot be read or written.

#include <gtest/gtest.h>

#include "shell/port_settings.h"
#include "shell/startup.h"

namespace navbin::shell {
namespace {

StartupPlan PlanWith(const platform::PortMap& map, std::vector<std::string> found,
                     std::optional<int> item) {
  return PlanStartup(
      {}, [found] { return found; }, map, item);
}

TEST(StartupSettings, CommReadsLikePercentD) {
  MemorySettingsStorage s;
  EXPECT_EQ(LoadCommItem(s), std::nullopt);
  const std::pair<const char*, std::optional<int>> cases[] = {{"", std::nullopt},
                                                              {"2", 2},
                                                              {" 3 trailing", 3},
                                                              {"COM3", std::nullopt},
                                                              {"two", std::nullopt}};
  for (auto [stored, item] : cases) {
    s.values["Comm"] = stored;
    EXPECT_EQ(LoadCommItem(s), item) << stored;
  }
  // Not a number: item 0 is selected.
  platform::PortMap map;
  map.assign(1, "/dev/a");
  map.assign(2, "/dev/b");
  EXPECT_EQ(PlanWith(map, {"/dev/a", "/dev/b"}, LoadCommItem(s)).dialog.selected, 0);
  SaveCommItem(s, 11);
  EXPECT_EQ(s.values["Comm"], "11");
}

TEST(StartupSettings, PortMapRoundTripsAndOddStoredMapsAreCleanedUp) {
  MemorySettingsStorage s;
  platform::PortMap map;
  map.assign(3, "/dev/ttyUSB0");
  map.assign(16, "/dev/pts/7");
  SavePortMap(s, map);
  EXPECT_EQ(s.values["Ports/COM3"], "/dev/ttyUSB0");
  EXPECT_EQ(s.values["Ports/COM16"], "/dev/pts/7");
  EXPECT_EQ(LoadPortMap(s).assigned(), (std::vector<int>{3, 16}));
  map.assign(16, "");  // a number that lost its device is removed from the store
  SavePortMap(s, map);
  EXPECT_EQ(s.values.count("Ports/COM16"), 0u);

  // Numbers outside 1..16 are not read; a path stored twice keeps its first number.
  s.values = {{"Ports/COM4", "/dev/ttyUSB3"},  {"Ports/COM1", "/dev/ttyUSB0"},
              {"Ports/COM20", "/dev/ttyUSB9"}, {"Ports/COM3", "/dev/ttyUSB2"},
              {"Ports/COM5", "/dev/ttyUSB0"},  {"Ports/COM6", ""}};
  const platform::PortMap loaded = LoadPortMap(s);
  EXPECT_EQ(loaded.assigned(), (std::vector<int>{1, 3, 4}));
  const StartupPlan p = PlanWith(loaded, {"/dev/ttyUSB3", "/dev/ttyUSB0", "/dev/ttyUSB2"}, {});
  EXPECT_EQ(std::vector<int>(p.portList.begin(), p.portList.begin() + p.portListCount),
            (std::vector<int>{1, 3, 4}));
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
  SavePortMap(s, platform::PortMap{});
  EXPECT_EQ(s.values["Comm"], "2");
  EXPECT_EQ(s.values["Ports/COM2"], "/dev/ttyUSB0");
}

}  // namespace
}  // namespace navbin::shell

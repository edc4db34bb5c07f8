#pragma once
// Start-up without windows: reading the command line, and deciding from it,
// the enumerated devices, the stored port map and the stored dialog item which
// ports are listed, which one is the display port and whether the user must
// be asked. The Qt start-up only carries out the plan.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/port_selection.h"
#include "platform/port_map.h"

namespace navbin::shell {

struct CommandLine {
  // Options recognised by the second character of an argument.
  bool enableAll = false;    // "e": all 16 ports selectable, no enumeration
  bool diagnostics = false;  // "d": the "&Diagnostics" menu is visible
  bool multiPort = false;    // "m": start in the multi-port layout
  bool hasPortArgument = false;
  std::string portArgument;  // text after the "c" of the first "c" argument

  // Long options, recognised before the second-character rule.
  std::vector<std::string> extraPorts;  // --port PATH, in order
  bool help = false;                    // --help
  bool version = false;                 // --version
  std::string grabFile;                 // --grab FILE
  int grabAfterMs = 3000;               // --grab-after MS
  bool openAll = false;                 // --open-all: "&Open All Ports" once the window is up

  std::vector<std::string> errors;  // unusable long options, one text each
};

// Reads the arguments after the program name.
CommandLine ReadCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText();

// What -c names: a COM number, or a device path (any text with a '/').
struct PortArgument {
  int com = 0;       // the number read with "%d", 0 when none
  std::string path;  // the device path, empty for a number
};
PortArgument ReadPortArgument(const std::string& text);

// The port-selection dialog as start-up fills it.
struct DialogPlan {
  std::vector<std::string> items;    // "COM%d" per listed port, or "COM 1".."COM 4"
  std::vector<std::string> devices;  // device path of each item, empty when unknown
  int selected = 0;                  // item to select when the dialog opens
};

struct StartupPlan {
  std::int32_t displayPort = 0;  // 1..16, or 0 until the user has chosen
  std::array<std::int32_t, link::kPortCount> portList{};
  std::int32_t portListCount = -1;
  bool askUser = false;  // show the port-selection dialog
  DialogPlan dialog;
  platform::PortMap portMap;  // the stored map with this run's devices added
  // What start-up saves: portMap without a -c device that cannot be opened.
  platform::PortMap savedPortMap;
  bool portMapChanged = false;  // savedPortMap differs from the stored map
  bool diagnostics = false;
  bool multiPort = false;
  std::vector<std::string> warnings;  // for standard error
};

// Lists the serial devices of the OS (called only when enumeration runs).
using EnumerateDevices = std::function<std::vector<std::string>()>;
// Whether a device path can be opened now (opened and closed again at once).
using CanOpenDevice = std::function<bool(const std::string& path)>;

// The -c device is numbered first, so it is never the one left without a
// number. When `canOpen` says the -c device cannot be opened it keeps its
// number for this run (the open failure names it) but is left out of
// savedPortMap.
StartupPlan PlanStartup(const CommandLine& commandLine, const EnumerateDevices& enumerate,
                        const platform::PortMap& storedMap, std::optional<int> storedItem,
                        const CanOpenDevice& canOpen = {});

// The display port that dialog item `item` stands for: portList[item], or
// item + 1 when no list is known. 0 for an item outside the list.
std::int32_t DisplayPortOfItem(const StartupPlan& plan, int item);

// Copies displayPort, portList and portListCount into the shell globals.
void ApplyPlan(const StartupPlan& plan, link::PortSelection& shell);

}  // namespace navbin::shell

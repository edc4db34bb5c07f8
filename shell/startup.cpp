#include "shell/startup.h"

#include <algorithm>
#include <cstddef>

namespace navbin::shell {

namespace {

constexpr int kMaxCom = platform::PortMap::kMaxCom;

bool Contains(const std::vector<std::string>& list, const std::string& value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// Gives `path` a COM number in the map. When all 16 are taken, the lowest
// number whose device is not wanted in this run is reused. 0 when none is free.
int AssignCom(platform::PortMap& map, const std::string& path,
              const std::vector<std::string>& wanted, bool& changed) {
  if (const int com = map.comOf(path); com != 0) return com;
  int com = map.add(path);
  if (com == 0) {
    for (const int c : map.assigned()) {
      if (!Contains(wanted, map.devicePath(c))) {
        map.assign(c, path);
        com = c;
        break;
      }
    }
  }
  if (com != 0) changed = true;
  return com;
}

bool PathsDiffer(const platform::PortMap& a, const platform::PortMap& b) {
  for (int com = 1; com <= kMaxCom; ++com) {
    if (a.devicePath(com) != b.devicePath(com)) return true;
  }
  return false;
}

void SetList(StartupPlan& plan, std::vector<int> coms) {
  std::sort(coms.begin(), coms.end());
  coms.erase(std::unique(coms.begin(), coms.end()), coms.end());
  plan.portList.fill(0);
  for (std::size_t i = 0; i < coms.size() && i < plan.portList.size(); ++i) {
    plan.portList[i] = coms[i];
  }
  plan.portListCount = coms.empty() ? -1 : static_cast<std::int32_t>(coms.size());
}

std::vector<int> ListedComs(const StartupPlan& plan) {
  std::vector<int> coms;
  for (std::int32_t i = 0; i < plan.portListCount; ++i) coms.push_back(plan.portList[i]);
  return coms;
}

// The -c argument: a number in 1..16 or a path that gets a number; appended
// to a known list that lacks it.
void ResolveDisplayPort(StartupPlan& plan, const CommandLine& cl,
                        const std::vector<std::string>& wanted) {
  if (!cl.hasPortArgument) return;
  const PortArgument arg = ReadPortArgument(cl.portArgument);
  int com = arg.com;
  if (!arg.path.empty()) {
    com = AssignCom(plan.portMap, arg.path, wanted, plan.portMapChanged);
    const std::string warning = "No free COM number for " + arg.path;
    if (com == 0 && !Contains(plan.warnings, warning)) plan.warnings.push_back(warning);
  }
  if (com < 1 || com > kMaxCom) return;
  plan.displayPort = com;
  std::vector<int> coms = ListedComs(plan);
  if (plan.portListCount != -1 && std::find(coms.begin(), coms.end(), com) == coms.end()) {
    coms.push_back(com);
    SetList(plan, coms);
  }
}

void PlanDialog(StartupPlan& plan, std::optional<int> storedItem) {
  DialogPlan& d = plan.dialog;
  if (plan.portListCount == -1) {
    for (int com = 1; com <= 4; ++com) {
      d.items.push_back("COM " + std::to_string(com));
      d.devices.push_back(plan.portMap.devicePath(com));
    }
  } else {
    for (const int com : ListedComs(plan)) {
      d.items.push_back("COM" + std::to_string(com));
      d.devices.push_back(plan.portMap.devicePath(com));
    }
  }
  d.selected = 0;
  // A stored item beyond the list (or negative) leaves item 0 selected.
  if (storedItem && *storedItem >= 0 && *storedItem < static_cast<int>(d.items.size())) {
    d.selected = *storedItem;
  }
}

}  // namespace

StartupPlan PlanStartup(const CommandLine& cl, const EnumerateDevices& enumerate,
                        const platform::PortMap& storedMap, std::optional<int> storedItem,
                        const CanOpenDevice& canOpen) {
  StartupPlan plan;
  plan.diagnostics = cl.diagnostics;
  plan.multiPort = cl.multiPort;
  plan.portMap = storedMap;

  // Devices listed this run: the enumerated ones and --port ones. The -c
  // device is wanted too (its number must not be reused) but is listed by
  // the -c rule.
  std::vector<std::string> listed;
  if (!cl.enableAll && enumerate) listed = enumerate();
  listed.insert(listed.end(), cl.extraPorts.begin(), cl.extraPorts.end());
  std::vector<std::string> wanted = listed;
  const std::string commandLinePath =
      cl.hasPortArgument ? ReadPortArgument(cl.portArgument).path : std::string();
  if (!commandLinePath.empty()) {
    wanted.push_back(commandLinePath);
    AssignCom(plan.portMap, commandLinePath, wanted, plan.portMapChanged);
  }

  std::vector<int> coms;
  for (const std::string& path : listed) {
    const int com = AssignCom(plan.portMap, path, wanted, plan.portMapChanged);
    if (com != 0) {
      coms.push_back(com);
    } else {
      plan.warnings.push_back("No free COM number for " + path);
    }
  }
  if (cl.enableAll) {
    coms.clear();
    for (int com = 1; com <= kMaxCom; ++com) coms.push_back(com);
  }
  SetList(plan, coms);

  ResolveDisplayPort(plan, cl, wanted);
  // A -c path new to the map that cannot be opened (a typing error, an
  // adapter not plugged in) is not remembered for later runs.
  plan.savedPortMap = plan.portMap;
  if (const int com = plan.portMap.comOf(commandLinePath);
      com != 0 && storedMap.comOf(commandLinePath) == 0 && canOpen && !canOpen(commandLinePath)) {
    plan.savedPortMap.assign(com, storedMap.devicePath(com));  // what the number had before
    plan.portMapChanged = PathsDiffer(plan.savedPortMap, storedMap);
  }
  plan.askUser = plan.displayPort < 1 || plan.displayPort > kMaxCom;
  if (plan.askUser) {
    plan.displayPort = 0;
    PlanDialog(plan, storedItem);
  }
  return plan;
}

std::int32_t DisplayPortOfItem(const StartupPlan& plan, int item) {
  if (plan.portListCount == -1) return item >= 0 && item < kMaxCom ? item + 1 : 0;
  if (item < 0 || item >= plan.portListCount) return 0;
  return plan.portList[static_cast<std::size_t>(item)];
}

void ApplyPlan(const StartupPlan& plan, link::PortSelection& shell) {
  shell.displayPort = plan.displayPort;
  shell.portList = plan.portList;
  shell.portListCount = plan.portListCount;
}

}  // namespace navbin::shell

#include "platform/port_map.h"

namespace navbin::platform {

std::string PortMap::devicePath(int com) const {
  if (com < 1 || com > kMaxCom) return {};
  return paths_[static_cast<std::size_t>(com - 1)];
}

int PortMap::comOf(const std::string& path) const {
  if (path.empty()) return 0;
  for (int i = 0; i < kMaxCom; ++i) {
    if (paths_[static_cast<std::size_t>(i)] == path) return i + 1;
  }
  return 0;
}

void PortMap::assign(int com, const std::string& path) {
  if (com < 1 || com > kMaxCom) return;
  if (const int old = comOf(path); old != 0) paths_[static_cast<std::size_t>(old - 1)].clear();
  paths_[static_cast<std::size_t>(com - 1)] = path;
}

int PortMap::add(const std::string& path) {
  if (const int com = comOf(path); com != 0) return com;
  for (int i = 0; i < kMaxCom; ++i) {
    if (paths_[static_cast<std::size_t>(i)].empty()) {
      paths_[static_cast<std::size_t>(i)] = path;
      return i + 1;
    }
  }
  return 0;
}

std::vector<int> PortMap::assigned() const {
  std::vector<int> coms;
  for (int i = 0; i < kMaxCom; ++i) {
    if (!paths_[static_cast<std::size_t>(i)].empty()) coms.push_back(i + 1);
  }
  return coms;
}

}  // namespace navbin::platform

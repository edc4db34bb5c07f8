#include "shell/port_settings.h"

#include "shell/decimal_text.h"

namespace navbin::shell {

std::optional<std::string> MemorySettingsStorage::read(const std::string& key) const {
  if (!readable) return std::nullopt;
  const auto it = values.find(key);
  if (it == values.end() || it->second.empty()) return std::nullopt;
  return it->second;
}

void MemorySettingsStorage::write(const std::string& key, const std::string& value) {
  if (writable) values[key] = value;
}

void MemorySettingsStorage::remove(const std::string& key) {
  if (writable) values.erase(key);
}

std::string PortMapKey(int com) {
  return "Ports/COM" + std::to_string(com);
}

platform::PortMap LoadPortMap(const SettingsStorage& storage) {
  platform::PortMap map;
  for (int com = 1; com <= platform::PortMap::kMaxCom; ++com) {
    const auto path = storage.read(PortMapKey(com));
    // A path stored twice keeps its first number.
    if (path && map.comOf(*path) == 0) map.assign(com, *path);
  }
  return map;
}

void SavePortMap(SettingsStorage& storage, const platform::PortMap& map) {
  for (int com = 1; com <= platform::PortMap::kMaxCom; ++com) {
    const std::string path = map.devicePath(com);
    if (path.empty()) {
      if (storage.read(PortMapKey(com))) storage.remove(PortMapKey(com));
    } else if (storage.read(PortMapKey(com)) != path) {
      storage.write(PortMapKey(com), path);
    }
  }
}

std::optional<int> LoadCommItem(const SettingsStorage& storage) {
  const auto text = storage.read(kCommKey);
  if (!text) return std::nullopt;
  return ScanDecimal(*text);
}

void SaveCommItem(SettingsStorage& storage, int item) {
  storage.write(kCommKey, std::to_string(item));
}

}  // namespace navbin::shell

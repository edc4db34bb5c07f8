#pragma once
// The settings kept between runs: "Comm", the item last chosen in the
// port-selection dialog, and the port map ("Ports/COM3" = "/dev/ttyUSB0"),
// which keeps each device's COM number stable. The storage is behind a small
// interface: QSettings in the application, a map in tests. Storage failures
// are silent: a value that cannot be read is missing, a write that fails is
// lost.

#include <map>
#include <optional>
#include <string>

#include "platform/port_map.h"

namespace navbin::shell {

inline constexpr const char* kCommKey = "Comm";

class SettingsStorage {
 public:
  virtual ~SettingsStorage() = default;
  // The value when it exists and is not empty.
  virtual std::optional<std::string> read(const std::string& key) const = 0;
  virtual void write(const std::string& key, const std::string& value) = 0;
  virtual void remove(const std::string& key) = 0;
};

// Storage in memory; `readable` and `writable` false act like a settings file
// the user has no access to.
class MemorySettingsStorage final : public SettingsStorage {
 public:
  std::optional<std::string> read(const std::string& key) const override;
  void write(const std::string& key, const std::string& value) override;
  void remove(const std::string& key) override;

  std::map<std::string, std::string> values;
  bool readable = true;
  bool writable = true;
};

// "Ports/COM<com>".
std::string PortMapKey(int com);

// The stored port map; entries with an empty path are skipped.
platform::PortMap LoadPortMap(const SettingsStorage& storage);
// Stores every COM number that has a path and removes the others.
void SavePortMap(SettingsStorage& storage, const platform::PortMap& map);

// "Comm" read with "%d": nothing when missing or not a number.
std::optional<int> LoadCommItem(const SettingsStorage& storage);
void SaveCommItem(SettingsStorage& storage, int item);

}  // namespace navbin::shell

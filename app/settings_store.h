#pragma once
// The settings of start-up kept by QSettings("Orvane", "M2_Monitor"): the
// registry on Windows, an INI file under the XDG config folder elsewhere.
// Every failure is silent: unreadable means missing, unwritable means lost.

#include <QSettings>

#include "shell/port_settings.h"

namespace navbin::app {

class QtSettingsStorage final : public shell::SettingsStorage {
 public:
  QtSettingsStorage();
  std::optional<std::string> read(const std::string& key) const override;
  void write(const std::string& key, const std::string& value) override;
  void remove(const std::string& key) override;

 private:
  mutable QSettings settings_;
};

}  // namespace navbin::app

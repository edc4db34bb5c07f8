#pragma once
// "Save Receiver Settings..." and "Restore Receiver Settings...": the whole
// settings of the display port's receiver to and from a settings file, shown
// in Form_SettingsFile. Like the satellite-data transfers they hold the
// thread (monitor timer stopped, input dropped, windows painted) while they
// talk to the receiver, and Esc ends the wait at hand. Owned by the main window.

#include <QObject>

#include "app/settings_file_link.h"
#include "ui/forms/settings_file_form.h"

namespace navbin::app {

class TForm_Main;

class SettingsWindows final : public QObject {
  Q_OBJECT
 public:
  SettingsWindows(TForm_Main& form, transfer::TransferView& view);

  ui::TForm_SettingsFile* window() const { return window_; }
  void save();
  void restore();

 private:
  std::optional<std::string> chooseFile(bool forSaving);
  bool displayPortOpen(const char* caption);

  TForm_Main& form_;
  transfer::TransferView& view_;
  SettingsFileLink link_;
  ui::TForm_SettingsFile* window_;
};

}  // namespace navbin::app

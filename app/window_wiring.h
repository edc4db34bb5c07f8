#pragma once
// Connects the windows beside the main window, once they exist: the data and
// raw packet log windows to the core's logs, the configuration dialogs to
// their send steps, the timing packets window to its requests, the almanac and
// ephemeris transfers and the settings save and restore to their menu entries
// and windows, and the sky view and the Stability window to the core's history
// and clock statistics. Owned by the main window.

#include <QObject>

#include "ui/forms/all_forms.h"

namespace navbin::app {

class TForm_Main;

class WindowWiring final : public QObject {
  Q_OBJECT
 public:
  // Creates the sky view and the Stability window beside `forms`, which were
  // created by then.
  WindowWiring(TForm_Main& form, const ui::SecondaryForms& forms);

 private:
  void attachLogWindows(const ui::SecondaryForms& forms);
  void connectConfigurationDialogs(const ui::SecondaryForms& forms);
  void connectInitialPosition(const ui::SecondaryForms& forms);
  void connectTimingPackets(const ui::SecondaryForms& forms);
  void createChartWindows();

  TForm_Main& form_;
};

}  // namespace navbin::app

#pragma once
// The "Stability" window: the Allan-family deviations of the display port's
// receiver clock, its bias as phase or its bias rate as frequency, on a
// log-log plot with a table of the values below, saved as a PNG or PDF
// picture and as the CSV that navbin-stability prints. It shows the core's
// clock statistics, which the dispatcher keeps whether the window is shown or
// not; while shown it refreshes once a second.

#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "link/port_selection.h"
#include "protocol/analysis/clock_stability.h"
#include "protocol/presentation/prompter.h"
#include "shell/recording_model.h"
#include "ui/charts/stability_plot.h"
#include "ui/forms/form_window.h"
#include "ui/widgets/widget_display.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace navbin::ui {

struct ClockFeed {
  const analysis::ClockHistory& clocks;
  const link::PortSelection& shell;
};

class TForm_Stability : public FormWindow {
  Q_OBJECT
 public:
  TForm_Stability(const ClockFeed& feed, reports::Prompter& prompter, QWidget* parent);

  // Reads the statistics again and shows them.
  void refresh();
  // The deviations of the chosen quantity as now shown; empty without any.
  std::vector<analysis::StabilityPoint> results() const;
  // The window as a PNG or PDF file; the values as CSV. False when the file
  // cannot be written.
  bool savePicture(const std::string& path);
  bool saveData(const std::string& path) const;

  // Shows the clock of the recording at `path` instead of the display
  // port's; false after a message box when it cannot be read.
  bool openRecording(const std::string& path);
  // Back to the display port.
  void showLive();

  void Button_SavePictureClick();
  void Button_SaveDataClick();
  void Button_OpenRecordingClick();

  QComboBox* ComboBox_Series = nullptr;
  std::array<QCheckBox*, kDeviationCount> deviationBoxes{};  // CheckBox_ADEV ... CheckBox_TDEV
  QLabel* Label_Source = nullptr;
  StabilityPlot* Chart_Stability = nullptr;
  QTableWidget* Table_Values = nullptr;
  QPushButton* Button_SavePicture = nullptr;
  QPushButton* Button_SaveData = nullptr;
  QPushButton* Button_OpenRecording = nullptr;
  QPushButton* Button_Live = nullptr;
  QTimer* Timer_Refresh = nullptr;

 private:
  QWidget* buildChoiceRow();
  QWidget* buildButtonRow();
  void fillTable(const std::vector<analysis::StabilityPoint>& points);
  const analysis::ClockStability* shownClock() const;
  analysis::ClockQuantity quantity() const;

  void showSource(std::unique_ptr<shell::RecordingModel> recording, const QString& title);

  ClockFeed feed_;
  reports::Prompter& prompter_;
  std::unique_ptr<shell::RecordingModel> recording_;
};

// Creates the window hidden, owned by `owner`, and registers it as
// Form::Stability with `display`.
TForm_Stability* CreateStability(WidgetDisplay& display, QWidget* owner, const ClockFeed& feed,
                                 reports::Prompter& prompter);

}  // namespace navbin::ui

#pragma once
// The "Sky and Signals" window: the sky plot, the signal bars, the time
// series and the event timeline of the display port, with a choice of time span and buttons that
// save the window as a PNG or PDF picture and the series as CSV. It draws from the
// core's report history, which the dispatcher keeps whether the window is
// shown or not; while shown it repaints once a second.

#include <QTimer>
#include <memory>
#include <string>

#include "protocol/presentation/prompter.h"
#include "shell/recording_model.h"
#include "ui/charts/series_chart.h"
#include "ui/charts/signal_bars.h"
#include "ui/charts/sky_feed.h"
#include "ui/charts/sky_plot.h"
#include "ui/forms/form_window.h"
#include "ui/widgets/widget_display.h"

class QComboBox;
class QPushButton;

namespace navbin::ui {

class TForm_SkyView : public FormWindow {
  Q_OBJECT
 public:
  TForm_SkyView(const SkyFeed& feed, reports::Prompter& prompter, QWidget* parent);

  // The window as it looks now, as a PNG or PDF file; false when it cannot be
  // written.
  bool savePicture(const std::string& path);
  // The display port's series as CSV; false when it cannot be written.
  bool saveData(const std::string& path) const;

  // Shows the recording at `path` instead of the display port; false after
  // a message box when it cannot be read.
  bool openRecording(const std::string& path);
  // Back to the display port.
  void showLive();

  void Button_SavePictureClick();
  void Button_SaveDataClick();
  void Button_OpenRecordingClick();

  SkyPlot* Chart_Sky = nullptr;
  SignalBars* Chart_Signals = nullptr;
  SeriesChart* Chart_Series = nullptr;
  QComboBox* ComboBox_Span = nullptr;
  QPushButton* Button_SavePicture = nullptr;
  QPushButton* Button_SaveData = nullptr;
  QPushButton* Button_OpenRecording = nullptr;
  QPushButton* Button_Live = nullptr;
  QTimer* Timer_Refresh = nullptr;

 private:
  QWidget* buildButtonRow();
  void refresh();
  const reports::PortHistory* shownHistory() const;

  void showSource(std::unique_ptr<shell::RecordingModel> recording, const QString& title);

  SkyFeed feed_;
  reports::Prompter& prompter_;
  std::unique_ptr<shell::RecordingModel> recording_;
};

// Creates the window hidden, owned by `owner`, and registers it as
// Form::SkyView with `display`.
TForm_SkyView* CreateSkyView(WidgetDisplay& display, QWidget* owner, const SkyFeed& feed,
                             reports::Prompter& prompter);

}  // namespace navbin::ui

#include "ui/forms/sky_view_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "protocol/history/chart_geometry.h"
#include "protocol/history/series_csv.h"
#include "ui/forms/open_recording.h"
#include "ui/widgets/picture_file.h"

namespace navbin::ui {
namespace {

constexpr int kRefreshMs = 1000;

reports::FileRequest SaveRequest(const char* filter, const char* ext, const char* name) {
  return {filter, ext, name, true};
}

}  // namespace

TForm_SkyView::TForm_SkyView(const SkyFeed& feed, reports::Prompter& prompter, QWidget* parent)
    : FormWindow("Form_SkyView", "Sky and Signals", parent), feed_(feed), prompter_(prompter) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  auto* top = new QHBoxLayout;
  Chart_Sky = new SkyPlot(feed_, this);
  Chart_Signals = new SignalBars(feed_, this);
  top->addWidget(Chart_Sky);
  top->addWidget(Chart_Signals);
  layout->addLayout(top);
  Chart_Series = new SeriesChart([this] { return shownHistory(); }, this);
  layout->addWidget(Chart_Series);
  layout->addWidget(buildButtonRow());
  Timer_Refresh = new QTimer(this);
  Timer_Refresh->setObjectName("Timer_Refresh");
  connect(Timer_Refresh, &QTimer::timeout, this, &TForm_SkyView::refresh);
  Timer_Refresh->start(kRefreshMs);
  fixSize();
}

QWidget* TForm_SkyView::buildButtonRow() {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(new QLabel("Time span", row));
  ComboBox_Span = new QComboBox(row);
  ComboBox_Span->setObjectName("ComboBox_Span");
  for (const auto& span : reports::kSeriesSpans) ComboBox_Span->addItem(span.label);
  ComboBox_Span->setCurrentIndex(reports::kDefaultSpan);
  connect(ComboBox_Span, &QComboBox::currentIndexChanged, Chart_Series, &SeriesChart::setSpan);
  h->addWidget(ComboBox_Span);
  h->addStretch();
  Button_OpenRecording = new QPushButton("Open Recording...", row);
  Button_OpenRecording->setObjectName("Button_OpenRecording");
  connect(Button_OpenRecording, &QPushButton::clicked, this,
          &TForm_SkyView::Button_OpenRecordingClick);
  h->addWidget(Button_OpenRecording);
  Button_Live = new QPushButton("Live", row);
  Button_Live->setObjectName("Button_Live");
  Button_Live->setEnabled(false);
  connect(Button_Live, &QPushButton::clicked, this, &TForm_SkyView::showLive);
  h->addWidget(Button_Live);
  Button_SavePicture = new QPushButton("Save picture...", row);
  Button_SavePicture->setObjectName("Button_SavePicture");
  connect(Button_SavePicture, &QPushButton::clicked, this, &TForm_SkyView::Button_SavePictureClick);
  h->addWidget(Button_SavePicture);
  Button_SaveData = new QPushButton("Save data...", row);
  Button_SaveData->setObjectName("Button_SaveData");
  connect(Button_SaveData, &QPushButton::clicked, this, &TForm_SkyView::Button_SaveDataClick);
  h->addWidget(Button_SaveData);
  return row;
}

const reports::PortHistory* TForm_SkyView::shownHistory() const {
  const auto port = feed_.displayIndex();
  return port ? &feed_.shownHistory().port(*port) : nullptr;
}

bool TForm_SkyView::openRecording(const std::string& path) {
  auto recording = LoadRecording(this, prompter_, path);
  if (!recording) return false;
  showSource(std::move(recording), RecordingTitle("Sky and Signals", path));
  return true;
}

void TForm_SkyView::showLive() {
  showSource(nullptr, "Sky and Signals");
}

void TForm_SkyView::showSource(std::unique_ptr<shell::RecordingModel> recording,
                               const QString& title) {
  recording_ = std::move(recording);
  feed_.recordedHistory = recording_ ? &recording_->history() : nullptr;
  feed_.recordedReports = recording_ ? &recording_->reports() : nullptr;
  setWindowTitle(title);
  Button_Live->setEnabled(recording_ != nullptr);
  Chart_Series->setRecorded(recording_ != nullptr);
  Chart_Series->resetView();
  update();
}

void TForm_SkyView::Button_OpenRecordingClick() {
  if (const auto file = prompter_.chooseFile(RecordingRequest())) openRecording(*file);
}

void TForm_SkyView::refresh() {
  if (!isVisible()) return;
  Chart_Series->refresh();
  update();
}

bool TForm_SkyView::savePicture(const std::string& path) {
  Chart_Series->refresh();
  return SaveWidgetPicture(*this, path);
}

bool TForm_SkyView::saveData(const std::string& path) const {
  const reports::BoundedRing<reports::SeriesPoint> none{1};
  const reports::PortHistory* history = shownHistory();
  return reports::SaveSeriesCsv(path, history ? history->series : none) == 0;
}

void TForm_SkyView::Button_SavePictureClick() {
  const auto file = prompter_.chooseFile(SaveRequest(kPictureFilter, ".png", "sky.png"));
  if (file && !savePicture(*file)) {
    prompter_.message("Could not write " + *file + ".", "Save Picture", reports::Icon::Exclamation);
  }
}

void TForm_SkyView::Button_SaveDataClick() {
  const auto file = prompter_.chooseFile(
      SaveRequest("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*", ".csv", "series.csv"));
  if (file && !saveData(*file)) {
    prompter_.message("Could not write " + *file + ".", "Save Data", reports::Icon::Exclamation);
  }
}

TForm_SkyView* CreateSkyView(WidgetDisplay& display, QWidget* owner, const SkyFeed& feed,
                             reports::Prompter& prompter) {
  auto* form = new TForm_SkyView(feed, prompter, owner);
  form->hide();
  display.registerForm(reports::Form::SkyView, form);
  return form;
}

}  // namespace navbin::ui

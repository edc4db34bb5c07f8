#include "ui/forms/stability_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <fstream>

#include "protocol/analysis/stability_table.h"
#include "ui/forms/open_recording.h"
#include "ui/widgets/picture_file.h"

namespace navbin::ui {
namespace {

using analysis::ClockQuantity;
using analysis::kDeviationColumns;

constexpr int kRefreshMs = 1000;
constexpr DeviationChoice kShownAtFirst{false, true, true, true, false};  // OADEV, MDEV, HDEV

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

TForm_Stability::TForm_Stability(const ClockFeed& feed, reports::Prompter& prompter,
                                 QWidget* parent)
    : FormWindow("Form_Stability", "Stability", parent), feed_(feed), prompter_(prompter) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(buildChoiceRow());
  Label_Source = new QLabel(this);
  Label_Source->setObjectName("Label_Source");
  Label_Source->setWordWrap(true);
  layout->addWidget(Label_Source);
  Chart_Stability = new StabilityPlot(this);
  layout->addWidget(Chart_Stability);
  Table_Values = new QTableWidget(0, 2 + int(kDeviationCount), this);
  Table_Values->setObjectName("Table_Values");
  QStringList headers{"τ (s)", "n"};
  for (const auto& c : kDeviationColumns) headers << c.title;
  Table_Values->setHorizontalHeaderLabels(headers);
  Table_Values->verticalHeader()->setVisible(false);
  Table_Values->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table_Values->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  Table_Values->setFixedHeight(180);
  layout->addWidget(Table_Values);
  layout->addWidget(buildButtonRow());
  Timer_Refresh = new QTimer(this);
  Timer_Refresh->setObjectName("Timer_Refresh");
  connect(Timer_Refresh, &QTimer::timeout, this, [this] {
    if (isVisible()) refresh();
  });
  Timer_Refresh->start(kRefreshMs);
  refresh();
  fixSize();
}

QWidget* TForm_Stability::buildChoiceRow() {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  ComboBox_Series = new QComboBox(row);
  ComboBox_Series->setObjectName("ComboBox_Series");
  for (const auto q : {ClockQuantity::Bias, ClockQuantity::Rate}) {
    ComboBox_Series->addItem(QString::fromStdString(analysis::ClockQuantityText(q)));
  }
  connect(ComboBox_Series, &QComboBox::currentIndexChanged, this, &TForm_Stability::refresh);
  h->addWidget(ComboBox_Series);
  h->addStretch();
  for (std::size_t i = 0; i < kDeviationCount; ++i) {
    auto* box = new QCheckBox(kDeviationColumns[i].title, row);
    box->setObjectName(QString("CheckBox_") + kDeviationColumns[i].title);
    box->setChecked(kShownAtFirst[i]);
    connect(box, &QCheckBox::toggled, this, &TForm_Stability::refresh);
    h->addWidget(box);
    deviationBoxes[i] = box;
  }
  return row;
}

QWidget* TForm_Stability::buildButtonRow() {
  auto* row = new QWidget(this);
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 0, 0, 0);
  h->addStretch();
  Button_OpenRecording = Button("Button_OpenRecording", "Open Recording...", row);
  connect(Button_OpenRecording, &QPushButton::clicked, this,
          &TForm_Stability::Button_OpenRecordingClick);
  h->addWidget(Button_OpenRecording);
  Button_Live = Button("Button_Live", "Live", row);
  Button_Live->setEnabled(false);
  connect(Button_Live, &QPushButton::clicked, this, &TForm_Stability::showLive);
  h->addWidget(Button_Live);
  Button_SavePicture = Button("Button_SavePicture", "Save picture...", row);
  connect(Button_SavePicture, &QPushButton::clicked, this,
          &TForm_Stability::Button_SavePictureClick);
  h->addWidget(Button_SavePicture);
  Button_SaveData = Button("Button_SaveData", "Save data...", row);
  connect(Button_SaveData, &QPushButton::clicked, this, &TForm_Stability::Button_SaveDataClick);
  h->addWidget(Button_SaveData);
  return row;
}

const analysis::ClockStability* TForm_Stability::shownClock() const {
  if (recording_) return recording_->clock();
  const int com = feed_.shell.displayPort;
  if (com < 1 || com > link::kPortCount) return nullptr;
  return feed_.clocks.port(static_cast<std::size_t>(com - 1));
}

ClockQuantity TForm_Stability::quantity() const {
  return ComboBox_Series->currentIndex() == 1 ? ClockQuantity::Rate : ClockQuantity::Bias;
}

std::vector<analysis::StabilityPoint> TForm_Stability::results() const {
  const analysis::ClockStability* clock = shownClock();
  return clock ? clock->statistics(quantity()).results() : std::vector<analysis::StabilityPoint>{};
}

void TForm_Stability::refresh() {
  const analysis::ClockStability* clock = shownClock();
  const auto points = results();
  Label_Source->setText(
      clock        ? QString::fromStdString(analysis::ClockSourceText(
                         clock->source(), clock->statistics(quantity()).phasePoints(), clock->tau0()))
      : recording_ ? "No clock reports in the recording."
                   : "No clock reports from the display port yet.");
  DeviationChoice chosen{};
  for (std::size_t i = 0; i < kDeviationCount; ++i) chosen[i] = deviationBoxes[i]->isChecked();
  Chart_Stability->show(points, chosen);
  fillTable(points);
}

void TForm_Stability::fillTable(const std::vector<analysis::StabilityPoint>& points) {
  Table_Values->setRowCount(static_cast<int>(points.size()));
  for (int r = 0; r < static_cast<int>(points.size()); ++r) {
    const auto texts = analysis::StabilityRowTexts(points[static_cast<std::size_t>(r)]);
    for (int c = 0; c < static_cast<int>(texts.size()); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(texts[static_cast<std::size_t>(c)]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      Table_Values->setItem(r, c, item);
    }
  }
}

bool TForm_Stability::openRecording(const std::string& path) {
  auto recording = LoadRecording(this, prompter_, path);
  if (!recording) return false;
  showSource(std::move(recording), RecordingTitle("Stability", path));
  return true;
}

void TForm_Stability::showLive() {
  showSource(nullptr, "Stability");
}

void TForm_Stability::showSource(std::unique_ptr<shell::RecordingModel> recording,
                                 const QString& title) {
  recording_ = std::move(recording);
  setWindowTitle(title);
  Button_Live->setEnabled(recording_ != nullptr);
  refresh();
}

void TForm_Stability::Button_OpenRecordingClick() {
  if (const auto file = prompter_.chooseFile(RecordingRequest())) openRecording(*file);
}

bool TForm_Stability::savePicture(const std::string& path) {
  refresh();
  return SaveWidgetPicture(*this, path);
}

bool TForm_Stability::saveData(const std::string& path) const {
  std::ofstream out(path, std::ios::binary);
  out << analysis::StabilityCsv(results());
  return static_cast<bool>(out.flush());
}

void TForm_Stability::Button_SavePictureClick() {
  const auto file = prompter_.chooseFile({kPictureFilter, ".png", "stability.png", true});
  if (file && !savePicture(*file)) {
    prompter_.message("Could not write " + *file + ".", "Save Picture", reports::Icon::Exclamation);
  }
}

void TForm_Stability::Button_SaveDataClick() {
  const auto file = prompter_.chooseFile(
      {"CSV Files (*.csv)|*.csv|All Files (*.*)|*.*", ".csv", "stability.csv", true});
  if (file && !saveData(*file)) {
    prompter_.message("Could not write " + *file + ".", "Save Data", reports::Icon::Exclamation);
  }
}

TForm_Stability* CreateStability(WidgetDisplay& display, QWidget* owner, const ClockFeed& feed,
                                 reports::Prompter& prompter) {
  auto* form = new TForm_Stability(feed, prompter, owner);
  form->hide();
  display.registerForm(reports::Form::Stability, form);
  return form;
}

}  // namespace navbin::ui

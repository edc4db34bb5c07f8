#include "ui/forms/log_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/control_names.h"
#include "protocol/presentation/log_control_names.h"
#include "ui/forms/common_control_names.h"

namespace navbin::ui {

namespace {

using logging::DataSet;

QPushButton* Button(const ObjectName& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name.text());
  button->setAutoDefault(false);
  return button;
}

QCheckBox* CheckBox(const ObjectName& name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name.text());
  return box;
}

QGroupBox* Group(const ObjectName& name, const QString& title, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name.text());
  return group;
}

Panel* TextPanel(const ObjectName& name, int width, QWidget* parent) {
  auto* panel = new Panel(name, parent);
  panel->setMinimumWidth(width);
  panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return panel;
}

std::size_t Index(DataSet set) {
  return static_cast<std::size_t>(set);
}

}  // namespace

TForm_Log::TForm_Log(QWidget* parent)
    : FormWindow("Form_Log", "Data Logging Setup and Status", parent) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(buildDataSelection());
  auto* right = new QVBoxLayout;
  right->addWidget(buildSetup());
  right->addWidget(buildStatus());
  top->addLayout(right);
  layout->addLayout(top);
  auto* buttons = new QHBoxLayout;
  Button_Start = Button(names::Button_Start, "&Start", this);
  Button_Stop = Button(common::Button_Stop, "Sto&p", this);
  Button_Cancel = Button(names::Button_Cancel, "&Close", this);
  buttons->addStretch(1);
  for (QPushButton* b : {Button_Start, Button_Stop, Button_Cancel}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(Button_Cancel, &QPushButton::clicked, this, &QWidget::hide);
  connect(Button_SelectAll, &QPushButton::clicked, this, &TForm_Log::Button_SelectAllClick);
  connect(Button_SelectClear, &QPushButton::clicked, this, &TForm_Log::Button_SelectClearClick);
  connect(Button_Start, &QPushButton::clicked, this, &TForm_Log::Button_StartClick);
  connect(Button_Stop, &QPushButton::clicked, this, &TForm_Log::Button_StopClick);

  Timer_System = new QTimer(this);
  Timer_System->setObjectName("Timer_System");
  Timer_System->setInterval(1000);
  Timer_System->start();
  fixSize();
}

QGroupBox* TForm_Log::buildDataSelection() {
  Panel_DataSelection = Group(names::Panel_DataSelection, "Data Set Selection:", this);
  auto* column = new QVBoxLayout(Panel_DataSelection);
  for (std::size_t i = 0; i < dataSetBoxes.size(); ++i) {
    const logging::DataSetInfo& info = logging::kDataSetInfo[i];
    dataSetBoxes[i] =
        CheckBox(info.checkBox, QString::fromUtf8(info.caption.data(), int(info.caption.size())),
                 Panel_DataSelection);
    column->addWidget(dataSetBoxes[i]);
  }
  dataSetBoxes[Index(DataSet::TimeOfWeek)]->setChecked(true);
  CheckBox_Bias = dataSetBoxes[Index(DataSet::Bias)];
  excludeEachOther(DataSet::PositionLla, DataSet::PositionXyz);
  excludeEachOther(DataSet::VelocityEnu, DataSet::VelocityXyz);
  auto* row = new QHBoxLayout;
  Button_SelectAll = Button(names::Button_SelectAll, "&All", Panel_DataSelection);
  Button_SelectClear = Button(names::Button_SelectClear, "Clea&r", Panel_DataSelection);
  row->addWidget(Button_SelectAll);
  row->addWidget(Button_SelectClear);
  column->addLayout(row);
  Button_LogFormat = Button("Button_LogFormat", "Data Log Formats...", Panel_DataSelection);
  column->addWidget(Button_LogFormat);
  return Panel_DataSelection;
}

QGroupBox* TForm_Log::buildSetup() {
  Panel_Setup = Group(names::Panel_Setup, "Collection Setup:", this);
  auto* grid = new QGridLayout(Panel_Setup);
  Edit_Interval = new QLineEdit("1", Panel_Setup);
  Edit_Interval->setObjectName("Edit_Interval");
  Edit_FileRoot = new QLineEdit("data", Panel_Setup);
  Edit_FileRoot->setObjectName("Edit_FileRoot");
  grid->addWidget(new QLabel("Interval (secs)", Panel_Setup), 0, 0);
  grid->addWidget(Edit_Interval, 0, 1);
  grid->addWidget(new QLabel("Filename Root", Panel_Setup), 1, 0);
  grid->addWidget(Edit_FileRoot, 1, 1);
  CheckBox_SystemTimer = CheckBox("CheckBox_SystemTimer", "Use System Timer", Panel_Setup);
  CheckBox_Append = CheckBox(common::CheckBox_Append, "Append to Log File", Panel_Setup);
  grid->addWidget(CheckBox_SystemTimer, 2, 0, 1, 2);
  grid->addWidget(CheckBox_Append, 3, 0, 1, 2);
  grid->addWidget(new QLabel("Active Port File", Panel_Setup), 4, 0, 1, 2);
  Panel_Filename = TextPanel(names::Panel_Filename, 260, Panel_Setup);
  Panel_Filename->setText(" ");
  grid->addWidget(Panel_Filename, 5, 0, 1, 2);
  auto* row = new QHBoxLayout;
  Button_Browse = Button(names::Button_Browse, "&Browse", Panel_Setup);
  Button_Clear = Button(names::Button_Clear, "C&lear", Panel_Setup);
  row->addWidget(Button_Browse);
  row->addWidget(Button_Clear);
  grid->addLayout(row, 6, 0, 1, 2);
  return Panel_Setup;
}

QGroupBox* TForm_Log::buildStatus() {
  Panel_Status = Group(names::Panel_Status, "Data Log Status:", this);
  auto* grid = new QGridLayout(Panel_Status);
  Shape_OnOff = new Shape(names::Shape_OnOff, Panel_Status);
  Label_OnOff = new QLabel("Off", Panel_Status);
  Label_OnOff->setObjectName(Name(names::Label_OnOff));
  auto* lamp = new QHBoxLayout;
  lamp->addWidget(Shape_OnOff);
  lamp->addWidget(Label_OnOff);
  lamp->addStretch(1);
  grid->addLayout(lamp, 0, 0, 1, 2);
  const struct {
    Panel** member;
    reports::ControlName name;
    const char* label;
  } rows[] = {{&Panel_DataSets, names::Panel_DataSets, "Data Sets"},
              {&Panel_StartTime, names::Panel_StartTime, "Start Time"},
              {&Panel_Duration, names::Panel_Duration, "Duration"},
              {&Panel_Data, names::Panel_Data, "Last Set"}};
  for (int i = 0; i < 4; ++i) {
    grid->addWidget(new QLabel(rows[i].label, Panel_Status), i + 1, 0);
    *rows[i].member = TextPanel(rows[i].name, 200, Panel_Status);
    grid->addWidget(*rows[i].member, i + 1, 1);
  }
  Panel_Data->setMaximumWidth(320);
  return Panel_Status;
}

// Checking one box of the pair unchecks the other.
void TForm_Log::excludeEachOther(DataSet a, DataSet b) {
  QCheckBox* first = dataSetBoxes[Index(a)];
  QCheckBox* second = dataSetBoxes[Index(b)];
  connect(first, &QCheckBox::toggled, this, [second](bool on) {
    if (on) second->setChecked(false);
  });
  connect(second, &QCheckBox::toggled, this, [first](bool on) {
    if (on) first->setChecked(false);
  });
}

void TForm_Log::attach(logging::DataLog& dataLog, link::PortTable& ports,
                       const link::PortSelection& shell, logging::DataLogLink& link,
                       QWidget* formatWindow, std::function<void()> portsChanged) {
  dataLog_ = &dataLog;
  ports_ = &ports;
  shell_ = &shell;
  link_ = &link;
  portsChanged_ = std::move(portsChanged);
  connect(Button_Browse, &QPushButton::clicked, this, [this] { dataLog_->chooseLogFile(); });
  connect(Button_Clear, &QPushButton::clicked, this, [this] { dataLog_->clearLogFile(); });
  connect(Timer_System, &QTimer::timeout, this, [this] { dataLog_->systemTimer(); });
  if (formatWindow) {
    connect(Button_LogFormat, &QPushButton::clicked, formatWindow, [formatWindow] {
      formatWindow->show();
      formatWindow->raise();
    });
  }
}

logging::DataLogSetup TForm_Log::setup() const {
  logging::DataLogSetup s;
  for (std::size_t i = 0; i < dataSetBoxes.size(); ++i) s.sets[i] = dataSetBoxes[i]->isChecked();
  s.intervalText = Edit_Interval->text().toStdString();
  s.fileRoot = Edit_FileRoot->text().toStdString();
  s.systemTimer = CheckBox_SystemTimer->isChecked();
  s.append = CheckBox_Append->isChecked();
  return s;
}

// One by one in record order, so that the exclusions leave XYZ checked.
void TForm_Log::Button_SelectAllClick() {
  for (QCheckBox* box : dataSetBoxes) box->setChecked(true);
}

void TForm_Log::Button_SelectClearClick() {
  for (QCheckBox* box : dataSetBoxes) box->setChecked(false);
}

void TForm_Log::Button_StartClick() {
  if (!dataLog_) return;
  const int index = shell_->displayIndex();
  if (index >= 0 && index < link::kPortCount) {
    (*ports_)[static_cast<std::size_t>(index)].monitored = true;
    if (portsChanged_) portsChanged_();
  }
  link_->biasWarningGiven.fill(0);
  if (!dataLog_->on()) dataLog_->startDataLog(setup());
}

void TForm_Log::Button_StopClick() {
  if (dataLog_ && dataLog_->on()) dataLog_->stopDataLog();
}

}  // namespace navbin::ui

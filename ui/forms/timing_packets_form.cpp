#include "ui/forms/timing_packets_form.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/log_control_names.h"
#include "protocol/presentation/minor_alarms.h"
#include "ui/forms/common_control_names.h"
#include "ui/forms/config_dialog.h"

namespace navbin::ui {

namespace {

// A raised panel with its hint and caption label; its rows go in the grid.
QFrame* Section(const ObjectName& name, const char* hint, const char* caption, QGridLayout** grid,
                QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name.text());
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setToolTip(hint);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(4);
  layout->addWidget(new QLabel(caption, frame));
  *grid = new QGridLayout;
  (*grid)->setHorizontalSpacing(8);
  (*grid)->setVerticalSpacing(3);
  layout->addLayout(*grid);
  layout->addStretch(1);
  return frame;
}

// "label [panel] unit" on `row`; the panel is wide enough for `widest`.
Panel* ValueRow(QGridLayout* grid, int row, const char* label, reports::ControlName name,
                const char* unit, const QString& widest, QWidget* parent) {
  if (*label) grid->addWidget(new QLabel(label, parent), row, 0);
  auto* panel = new Panel(Name(name), parent);
  panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(widest) + 14);
  grid->addWidget(panel, row, 1);
  if (*unit) grid->addWidget(new QLabel(unit, parent), row, 2);
  return panel;
}

// A lamp with its caption on `row`; both carry the hint.
Shape* Light(QGridLayout* grid, int row, reports::ControlName name, const char* caption,
             const char* hint, QWidget* parent) {
  auto* lamp = new Shape(Name(name), parent);
  lamp->setToolTip(hint);
  auto* label = new QLabel(caption, parent);
  label->setToolTip(hint);
  grid->addWidget(lamp, row, 0, Qt::AlignCenter);
  grid->addWidget(label, row, 1);
  return lamp;
}

}  // namespace

TForm_TimingPackets::TForm_TimingPackets(QWidget* parent)
    : FormWindow("Form_TimingPackets", "Timing Packets", parent) {
  auto* columns = new QHBoxLayout;
  columns->setSpacing(8);
  auto* left = new QVBoxLayout;
  left->addWidget(buildTime());
  left->addWidget(buildPosition());
  left->addWidget(buildModeAndStatus());
  auto* right = new QVBoxLayout;
  right->addWidget(buildOutputs());
  right->addWidget(buildAlarms());
  columns->addLayout(left);
  columns->addLayout(right);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addLayout(columns);
  auto* requests = new QHBoxLayout;
  requests->addWidget(buildRequest("Button_8FAB", "Request 8F-A&B", "RadioButton_AB", &Button_8FAB,
                                   {&RadioButton_AB0, &RadioButton_AB1, &RadioButton_AB2}));
  requests->addWidget(buildRequest("Button_8FAC", "Request 8F-A&C", "RadioButton_AC", &Button_8FAC,
                                   {&RadioButton_AC0, &RadioButton_AC1, &RadioButton_AC2}));
  layout->addLayout(requests);
  layout->addWidget(buildButtons());
  fixSize();
}

QWidget* TForm_TimingPackets::buildTime() {
  QGridLayout* grid = nullptr;
  QFrame* frame = Section("Panel_Timing", "Time: Packet 8F-AB", "Time:", &grid, this);
  Panel_Time = ValueRow(grid, 0, "Time", names::Panel_Time, "", "00:00:00", frame);
  Label_TimeType = new QLabel("GPS", frame);
  Label_TimeType->setObjectName(Name(names::Label_TimeType));
  grid->addWidget(Label_TimeType, 0, 2);
  Panel_UTCOffset =
      ValueRow(grid, 1, "UTC Offset", names::Panel_UTCOffset, "seconds", "-00000", frame);
  Panel_TOW = ValueRow(grid, 2, "TOW", names::Panel_TOW, "", "-0000000000", frame);
  Panel_WeekNum = ValueRow(grid, 3, "Week Num", names::Panel_WeekNum, "", "00000", frame);
  Panel_Date = ValueRow(grid, 4, "Date", names::Panel_Date, "", "??? 000, 00000", frame);
  return frame;
}

QWidget* TForm_TimingPackets::buildOutputs() {
  QGridLayout* grid = nullptr;
  QFrame* frame = Section("Panel_TimingOutputs", "Timing Outputs: Packet 8F-AC",
                          "Timing Outputs:", &grid, this);
  const QString widest = "-0000000.00";
  Panel_PPSOffset = ValueRow(grid, 0, "Bias", names::Panel_PPSOffset, "ns", widest, frame);
  Panel_10MHz = ValueRow(grid, 1, "Bias Rate", names::Panel_10MHz, "ppb", widest, frame);
  Panel_Quantization =
      ValueRow(grid, 2, "PPS Quantization Error", names::Panel_Quantization, "ns", widest, frame);
  auto* pps = new QHBoxLayout;
  pps->setSpacing(6);
  Shape_PPS = new Shape(Name(names::Shape_PPS), frame);
  Shape_PPS->setToolTip("When green, PPS was generated");
  auto* ppsLabel = new QLabel("PPS Generated", frame);
  ppsLabel->setToolTip(Shape_PPS->toolTip());
  pps->addWidget(Shape_PPS);
  pps->addWidget(ppsLabel);
  pps->addStretch(1);
  grid->addLayout(pps, 3, 0, 1, 3);
  return frame;
}

QWidget* TForm_TimingPackets::buildAlarms() {
  QGridLayout* grid = nullptr;
  QFrame* frame =
      Section("Panel_MinorAlarms", "Minor Alarms: Packet 8F-AC", "Minor Alarms:", &grid, this);
  for (int i = 0; i < int(std::size(reports::kMinorAlarms)); ++i) {
    const reports::MinorAlarm& a = reports::kMinorAlarms[i];
    alarmLights[static_cast<std::size_t>(i)] = Light(grid, i, a.light, a.caption, a.hint, frame);
  }
  grid->setColumnStretch(1, 1);
  return frame;
}

QWidget* TForm_TimingPackets::buildModeAndStatus() {
  QGridLayout* grid = nullptr;
  QFrame* frame = Section("Panel_ModeAndStatus", "Mode and Status: Packet 8F-AC",
                          "Mode and Status:", &grid, this);
  Panel_Mode =
      ValueRow(grid, 0, "Rcvr Mode", names::Panel_Mode, "", "Single Satellite (Time)", frame);
  Panel_Status =
      ValueRow(grid, 1, "Status", names::Panel_Status, "", "Chosen SV is unusable", frame);
  return frame;
}

QWidget* TForm_TimingPackets::buildPosition() {
  QGridLayout* grid = nullptr;
  QFrame* frame =
      Section(names::Panel_Position, "Position: Packet 8F-AC", "Position:", &grid, this);
  const QString angle = QString::fromUtf8("-000\u00B0 00' 00.000");
  Panel_Latitude = ValueRow(grid, 0, "Latitude", names::Panel_Latitude, "deg", angle, frame);
  Panel_Longitude = ValueRow(grid, 1, "Longitude", names::Panel_Longitude, "deg", angle, frame);
  Panel_Altitude =
      ValueRow(grid, 2, "Altitude", names::Panel_Altitude, "meters", "-000000.0", frame);
  Panel_SelfSurvey =
      ValueRow(grid, 3, "Self-Survey Progress", names::Panel_SelfSurvey, "", "000%", frame);
  return frame;
}

QWidget* TForm_TimingPackets::buildRequest(const char* buttonName, const QString& caption,
                                           const char* radioPrefix, QPushButton** button,
                                           std::array<QRadioButton**, 3> radios) {
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setSpacing(3);
  *button = Button(buttonName, caption, frame);
  layout->addWidget(*button);
  const char* captions[] = {"Immediately", "Next Second", "Both Packets, Next Second"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(captions[i], frame);  // exclusive within this frame
    radio->setObjectName(QString(radioPrefix) + QString::number(i));
    layout->addWidget(radio);
    *radios[static_cast<std::size_t>(i)] = radio;
  }
  (*radios[0])->setChecked(true);
  return frame;
}

QWidget* TForm_TimingPackets::buildButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(1);
  Button_Clear = Button(names::Button_Clear, "Clea&r", row);
  Button_Close = Button(common::Button_Close, "Cl&ose", row);
  layout->addWidget(Button_Clear);
  layout->addWidget(Button_Close);
  connect(Button_8FAB, &QPushButton::clicked, this, &TForm_TimingPackets::Button_8FABClick);
  connect(Button_8FAC, &QPushButton::clicked, this, &TForm_TimingPackets::Button_8FACClick);
  connect(Button_Clear, &QPushButton::clicked, this, &TForm_TimingPackets::Button_ClearClick);
  connect(Button_Close, &QPushButton::clicked, this, &TForm_TimingPackets::Button_CloseClick);
  return row;
}

int TForm_TimingPackets::RequestMode(const QRadioButton* first, const QRadioButton* second) {
  if (first->isChecked()) return 0;
  return second->isChecked() ? 1 : 2;
}

void TForm_TimingPackets::Button_8FABClick() {
  if (request_) request_(0xAB, RequestMode(RadioButton_AB0, RadioButton_AB1));
}

void TForm_TimingPackets::Button_8FACClick() {
  if (request_) request_(0xAC, RequestMode(RadioButton_AC0, RadioButton_AC1));
}

void TForm_TimingPackets::Button_ClearClick() {
  for (Panel* panel : {Panel_TOW, Panel_WeekNum, Panel_UTCOffset, Panel_Time, Panel_Date,
                       Panel_SelfSurvey, Panel_PPSOffset, Panel_10MHz, Panel_Quantization,
                       Panel_Latitude, Panel_Longitude, Panel_Altitude, Panel_Mode, Panel_Status}) {
    panel->clear();
  }
  Shape_PPS->setFill(reports::Colour::Gray);
  for (Shape* light : alarmLights) light->setFill(reports::Colour::Gray);
}

}  // namespace navbin::ui

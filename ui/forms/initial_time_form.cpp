#include "ui/forms/initial_time_form.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "ui/forms/config_dialog.h"

namespace navbin::ui {

TForm_InitialTime::TForm_InitialTime(QWidget* parent)
    : FormWindow("Form_InitialTime", "Time From PC", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  auto* lampRow = new QHBoxLayout;
  Shape_TimeAccepted = new Shape(names::Shape_TimeAccepted, this, Shape::Kind::Circle, 0, 18);
  Shape_TimeAccepted->setToolTip(
      "Red: the receiver already has time from a satellite and keeps using it.");
  Label4 = new QLabel("Time Accepted by Receiver", this);
  Label4->setObjectName(Name(names::Label4));
  lampRow->addWidget(Shape_TimeAccepted);
  lampRow->addWidget(Label4);
  lampRow->addStretch(1);
  layout->addLayout(lampRow);
  auto* buttons = new QHBoxLayout;
  Button_SetTime = Button(names::Button_SetTime, "&Set Time", this);
  Button_Cancel = Button(names::Button_Cancel, "&Close", this);
  connect(Button_SetTime, &QPushButton::clicked, this, &TForm_InitialTime::Button_SetTimeClick);
  connect(Button_Cancel, &QPushButton::clicked, this, &TForm_InitialTime::Button_CancelClick);
  buttons->addWidget(Button_SetTime);
  buttons->addWidget(Button_Cancel);
  layout->addLayout(buttons);
  fixSize();
}

void TForm_InitialTime::Button_SetTimeClick() {
  if (setTime_) setTime_();
}

}  // namespace navbin::ui

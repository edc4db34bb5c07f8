#include "ui/forms/log_navbin_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/log_control_names.h"
#include "ui/forms/common_control_names.h"

namespace navbin::ui {

namespace {

QPushButton* Button(const ObjectName& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name.text());
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TForm_LogNavBin::TForm_LogNavBin(QWidget* parent)
    : FormWindow("Form_LogNavBin", "NavBin Logging Setup and Status", parent) {
  auto* layout = new QVBoxLayout(this);
  auto* status = new QGroupBox("NavBin Log Status:", this);
  status->setObjectName(Name(names::Panel_Status));
  auto* lamp = new QHBoxLayout(status);
  Shape_OnOff = new Shape(names::Shape_OnOff, status);
  Label_OnOff = new QLabel("Off", status);
  Label_OnOff->setObjectName(Name(names::Label_OnOff));
  lamp->addWidget(Shape_OnOff);
  lamp->addWidget(Label_OnOff);
  lamp->addStretch(1);
  layout->addWidget(status);

  layout->addWidget(new QLabel("File Name", this));
  Panel_Filename = new Panel(names::Panel_Filename, this);
  Panel_Filename->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Panel_Filename->setMinimumWidth(320);
  Panel_Filename->setText(" ");
  layout->addWidget(Panel_Filename);

  auto* options = new QHBoxLayout;
  Button_Open = Button(names::Button_Open, "&Open", this);
  CheckBox_Append = new QCheckBox("Append to Log File", this);
  CheckBox_Append->setObjectName(common::CheckBox_Append);
  options->addWidget(Button_Open);
  options->addWidget(CheckBox_Append);
  options->addStretch(1);
  layout->addLayout(options);

  auto* buttons = new QHBoxLayout;
  Button_Start = Button(names::Button_Start, "&Start", this);
  Button_Stop = Button(common::Button_Stop, "Sto&p", this);
  Button_Close = Button(common::Button_Close, "&Close", this);
  buttons->addStretch(1);
  for (QPushButton* b : {Button_Start, Button_Stop, Button_Close}) buttons->addWidget(b);
  layout->addLayout(buttons);
  connect(Button_Close, &QPushButton::clicked, this, &QWidget::hide);
  fixSize();
}

void TForm_LogNavBin::attach(logging::RawLog& rawLog) {
  connect(Button_Open, &QPushButton::clicked, this, [&rawLog] { rawLog.chooseFile(); });
  connect(Button_Start, &QPushButton::clicked, this,
          [this, &rawLog] { rawLog.Start(CheckBox_Append->isChecked()); });
  connect(Button_Stop, &QPushButton::clicked, this, [&rawLog] { rawLog.Stop(); });
}

}  // namespace navbin::ui

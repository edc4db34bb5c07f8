#include "ui/forms/self_survey_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "ui/forms/common_control_names.h"
#include "ui/forms/config_dialog.h"

namespace navbin::ui {

TForm_SelfSurvey::TForm_SelfSurvey(QWidget* parent)
    : FormWindow("Form_SelfSurvey", "Self Survey", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  CheckBox_EnableSurvey = CheckBox(names::CheckBox_EnableSurvey, "Enable Self Survey", this);
  CheckBox_Flag = CheckBox(names::CheckBox_Flag, "Auto Save Position", this);
  layout->addWidget(CheckBox_EnableSurvey);
  layout->addWidget(CheckBox_Flag);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel("Self Survey Limit", this);
  Edit_Limit = Edit(names::Edit_Limit, "", this, 100);
  label->setBuddy(Edit_Limit);
  row->addWidget(label);
  row->addWidget(Edit_Limit);
  row->addStretch(1);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button_OK = Button(names::Button_OK, "&OK", this);
  Button_Close = Button(common::Button_Close, "&Close", this);
  connect(Button_OK, &QPushButton::clicked, this, &TForm_SelfSurvey::Button_OKClick);
  connect(Button_Close, &QPushButton::clicked, this, &TForm_SelfSurvey::Button_CloseClick);
  buttons->addWidget(Button_OK);
  buttons->addWidget(Button_Close);
  layout->addLayout(buttons);
  fixSize();
}

void TForm_SelfSurvey::Button_OKClick() {
  if (send_) send_();
}

}  // namespace navbin::ui

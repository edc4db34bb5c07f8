#include "ui/forms/pps_output_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"
#include "ui/forms/config_dialog.h"

namespace navbin::ui {

TForm_PPSOutput::TForm_PPSOutput(QWidget* parent)
    : FormWindow("Form_PPSOutput", "PPS Characteristics", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(buildCharacteristics());
  layout->addWidget(buildOutput());
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button_Cancel = Button(names::Button_Cancel, "&Close", this);
  connect(Button_Cancel, &QPushButton::clicked, this, &TForm_PPSOutput::Button_CancelClick);
  buttons->addWidget(Button_Cancel);
  layout->addLayout(buttons);
  fixSize();
}

QWidget* TForm_PPSOutput::buildCharacteristics() {
  auto* box = new QGroupBox("Characteristics:", this);
  auto* grid = new QGridLayout(box);
  int row = 0;
  auto add = [&](const char* label, QWidget* control, const char* unit, bool enabled) {
    auto* caption = new QLabel(label, box);
    caption->setBuddy(control);
    grid->addWidget(caption, row, 0);
    grid->addWidget(control, row, 1, Qt::AlignLeft);
    if (unit) grid->addWidget(new QLabel(unit, box), row, 2);
    control->setEnabled(enabled);  // fixed: nothing enables the receiver-only settings
    ++row;
  };
  ComboBox_Switch = ListBox(names::ComboBox_Switch, reports::lists::kPpsSwitch, box);
  ComboBox_TimeBase = ListBox(names::ComboBox_TimeBase, reports::lists::kPpsTimeBase, box);
  ComboBox_Polarity = ListBox(names::ComboBox_Polarity, reports::lists::kPpsPolarity, box);
  for (QComboBox* list : {ComboBox_Switch, ComboBox_TimeBase, ComboBox_Polarity}) {
    list->setMinimumWidth(110);
  }
  Edit_Offset = Edit(names::Edit_Offset, "", box, 110);
  Edit_Bias = Edit(names::Edit_Bias, "", box, 110);
  add("Driver Switch", ComboBox_Switch, nullptr, false);
  add("Time Base", ComboBox_TimeBase, nullptr, false);
  add("Polarity", ComboBox_Polarity, nullptr, false);
  add("PPS Offset", Edit_Offset, "s", true);
  add("Bias Uncertainty Threshold", Edit_Bias, "m", false);
  Button_SetChar = Button(names::Button_SetChar, "&Set Characteristics", box);
  connect(Button_SetChar, &QPushButton::clicked, this, &TForm_PPSOutput::Button_SetCharClick);
  grid->addWidget(Button_SetChar, row, 0, 1, 3);
  return box;
}

QWidget* TForm_PPSOutput::buildOutput() {
  GroupBox_Output = new QGroupBox("Output Options:", this);
  GroupBox_Output->setObjectName("GroupBox_Output");
  auto* column = new QVBoxLayout(GroupBox_Output);
  auto radio = [&](const ObjectName& name, const char* caption) {
    auto* button = new QRadioButton(caption, GroupBox_Output);
    button->setObjectName(name.text());
    // Not exclusive by themselves: a report with another code clears all three.
    button->setAutoExclusive(false);
    column->addWidget(button);
    return button;
  };
  RadioButton_Always = radio(names::RadioButton_Always, "Always");
  RadioButton_1SV = radio(names::RadioButton_1SV, "When tracking at least one satellite");
  RadioButton_3SV = radio(names::RadioButton_3SV, "When tracking at least three satellites");
  Button_SetOutput = Button(names::Button_SetOutput, "&Set &Output", GroupBox_Output);
  connect(Button_SetOutput, &QPushButton::clicked, this, &TForm_PPSOutput::Button_SetOutputClick);
  column->addWidget(Button_SetOutput);
  GroupBox_Output->setEnabled(false);  // the whole panel, for good
  return GroupBox_Output;
}

void TForm_PPSOutput::Button_SetCharClick() {
  if (setChar_) setChar_();
}

void TForm_PPSOutput::Button_SetOutputClick() {
  if (setOutput_) setOutput_();
}

}  // namespace navbin::ui

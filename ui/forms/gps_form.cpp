#include "ui/forms/gps_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"

namespace navbin::ui {

namespace lists = reports::lists;

TForm_GPS::TForm_GPS(QWidget* parent) : ConfigDialog("Form_GPS", "Receiver Configuration", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  int row = 0;
  auto add = [&](const char* label, QWidget* control) {
    auto* caption = new QLabel(label, this);
    caption->setBuddy(control);
    grid->addWidget(caption, row, 0);
    grid->addWidget(control, row, 1, Qt::AlignLeft);
    ++row;
  };
  ComboBox_RMode = ListBox(names::ComboBox_RMode, lists::kReceiverModes, this);
  ComboBox_RMode->setMinimumWidth(170);
  ComboBox_DCode = ListBox(names::ComboBox_DCode, lists::kDynamicsCodes, this);
  ComboBox_DCode->setMinimumWidth(170);
  ComboBox_DifMode = ListBox(names::ComboBox_DifMode, lists::kDgpsModes, this);
  ComboBox_DifMode->setMinimumWidth(170);
  add("Receiver Mode", ComboBox_RMode);
  add("Dynamics Code", ComboBox_DCode);
  add("DGPS Mode", ComboBox_DifMode);
  Edit_EMask = Edit(names::Edit_EMask, "-1", this);
  Edit_SMask = Edit(names::Edit_SMask, "-1", this);
  Edit_PMask = Edit(names::Edit_PMask, "-1", this);
  Edit_PSwitch = Edit(names::Edit_PSwitch, "-1", this);
  Edit_DGPSAge = Edit(names::Edit_DGPSAge, "-1", this);
  add("Elevation Mask (degrees)", Edit_EMask);
  add("Signal Level Mask (AMU)", Edit_SMask);
  add("PDOP Mask", Edit_PMask);
  add("PDOP Switch", Edit_PSwitch);
  add("DGPS Age Limit (seconds)", Edit_DGPSAge);
  layout->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  addButtons(buttons);
  layout->addLayout(buttons);
  fixSize();
}

}  // namespace navbin::ui

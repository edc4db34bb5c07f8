#include "ui/forms/navtxt_form.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"

namespace navbin::ui {

namespace {
// An edit with its caption beside it in `form`.
QLineEdit* LabelledEdit(const ObjectName& name, const char* label, QWidget* parent,
                        QFormLayout* form) {
  QLineEdit* edit = Edit(name, "", parent);
  auto* caption = new QLabel(label, parent);
  caption->setBuddy(edit);
  form->addRow(caption, edit);
  return edit;
}
}  // namespace

TForm_NavTxt::TForm_NavTxt(QWidget* parent)
    : ConfigDialog("Form_NavTxt", "NavTxt Configuration", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  auto* row = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(buildReportingMode());
  auto* other = new QFormLayout;
  Edit_TOH = LabelledEdit(names::Edit_TOH, "Top Of Hour Offset", this, other);
  Edit_VehID = LabelledEdit(names::Edit_VehID, "Vehicle ID", this, other);
  left->addLayout(other);
  left->addStretch(1);
  row->addLayout(left);
  row->addWidget(buildOutputPeriods());
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  addButtons(buttons);
  layout->addLayout(buttons);
  fixSize();
}

QWidget* TForm_NavTxt::buildReportingMode() {
  auto* group = new QGroupBox("Reporting Mode", this);
  auto* column = new QVBoxLayout(group);
  auto box = [group, column](const ObjectName& name, const char* caption) {
    QCheckBox* check = CheckBox(name, caption, group);
    column->addWidget(check);
    return check;
  };
  CheckBox_ID = box(names::CheckBox_ID, "ID Flag (Vehicle ID)");
  CheckBox_CS = box(names::CheckBox_CS, "CS Flag (Checksum)");
  CheckBox_EC = box(names::CheckBox_EC, "EC Flag (Echo)");
  CheckBox_FR = box(names::CheckBox_FR, "FR Flag (Frequency Output)");
  CheckBox_CR = box(names::CheckBox_CR, "CR Flag (Carriage Return)");
  return group;
}

QWidget* TForm_NavTxt::buildOutputPeriods() {
  auto* group = new QGroupBox("Output Periods", this);
  auto* form = new QFormLayout(group);
  Edit_AL = LabelledEdit(names::Edit_AL, "AL Message", group, form);
  Edit_CP = LabelledEdit(names::Edit_CP, "CP Message", group, form);
  Edit_ID = LabelledEdit(names::Edit_ID, "ID Message", group, form);
  Edit_LN = LabelledEdit(names::Edit_LN, "LN Message", group, form);
  Edit_PV = LabelledEdit(names::Edit_PV, "PV Message", group, form);
  Edit_ST = LabelledEdit(names::Edit_ST, "ST Message", group, form);
  Edit_TM = LabelledEdit(names::Edit_TM, "TM Message", group, form);
  Edit_VR = LabelledEdit(names::Edit_VR, "VR Message", group, form);
  return group;
}

}  // namespace navbin::ui

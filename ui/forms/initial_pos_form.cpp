#include "ui/forms/initial_pos_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/config_lists.h"

namespace navbin::ui {

TForm_InitialPos::TForm_InitialPos(QWidget* parent)
    : ConfigDialog("Form_InitialPos", "Initial Position", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  auto* row = new QHBoxLayout;
  QStringList modes;
  for (std::string_view m : reports::lists::kPositionModes)
    modes << QString::fromUtf8(m.data(), m.size());
  RadioGroup_PosMode = new RadioGroup(names::RadioGroup_PosMode, "Upload Options", modes, this);
  connect(RadioGroup_PosMode, &RadioGroup::itemIndexChanged, this,
          &TForm_InitialPos::RadioGroup_PosModeClick);
  row->addWidget(RadioGroup_PosMode);

  static constexpr EditRow kLla[3] = {{names::Edit_Lat, "Latitude", "degrees"},
                                      {names::Edit_Lon, "Longitude", "degrees"},
                                      {names::Edit_Alt, "Altitude", "meters"}};
  static constexpr EditRow kEcef[3] = {{names::Edit_X, "X", "meters"},
                                       {names::Edit_Y, "Y", "meters"},
                                       {names::Edit_Z, "Z", "meters"}};
  QLineEdit* lla[3] = {};
  QLineEdit* ecef[3] = {};
  GroupBox_LLA = buildGroup(names::GroupBox_LLA, "Initial LLA ", lla, kLla, &Button_File1,
                            names::Button_File1);
  GroupBox_ECEF = buildGroup(names::GroupBox_ECEF, "Initial ECEF Position", ecef, kEcef,
                             &Button_File2, names::Button_File2);
  Edit_Lat = lla[0];
  Edit_Lon = lla[1];
  Edit_Alt = lla[2];
  Edit_X = ecef[0];
  Edit_Y = ecef[1];
  Edit_Z = ecef[2];
  // Both groups share one place; the LLA group shows (disabled) until a mode is chosen.
  auto* stack = new QVBoxLayout;
  stack->addWidget(GroupBox_LLA);
  stack->addWidget(GroupBox_ECEF);
  row->addLayout(stack);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  addButtons(buttons);
  layout->addLayout(buttons);
  fixSize();
  GroupBox_LLA->setEnabled(false);
  GroupBox_ECEF->setEnabled(false);
  GroupBox_ECEF->hide();
  Button_File1->setEnabled(false);
  Button_File2->setEnabled(false);
}

QGroupBox* TForm_InitialPos::buildGroup(reports::ControlName name, const QString& title,
                                        QLineEdit** edits, const EditRow (&rows)[3],
                                        QPushButton** button, reports::ControlName buttonName) {
  auto* group = Named(new QGroupBox(title, this), name);
  auto* grid = new QGridLayout(group);
  for (int i = 0; i < 3; ++i) {
    edits[i] = Edit(rows[i].name, "", group, 110);
    auto* label = new QLabel(rows[i].label, group);
    label->setBuddy(edits[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(edits[i], i, 1);
    grid->addWidget(new QLabel(rows[i].unit, group), i, 2);
  }
  *button = Button(buttonName, "&From File", group);
  connect(*button, &QPushButton::clicked, this, &TForm_InitialPos::Button_FileClick);
  grid->addWidget(*button, 3, 1);
  return group;
}

void TForm_InitialPos::RadioGroup_PosModeClick(int mode) {
  if (modeChosen_) modeChosen_(mode);
}

void TForm_InitialPos::Button_FileClick() {
  if (fromFile_) fromFile_();
}

}  // namespace navbin::ui

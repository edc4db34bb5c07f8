#pragma once
// The NavTxt dialog: how the receiver runs its ASCII interface: the reporting
// flags, the top-of-hour offset, the output period of each of its eight
// messages and the vehicle identifier.

#include <QCheckBox>
#include <QLineEdit>

#include "ui/forms/config_dialog.h"

namespace navbin::ui {

class TForm_NavTxt : public ConfigDialog {
  Q_OBJECT
 public:
  explicit TForm_NavTxt(QWidget* parent);

  QCheckBox* CheckBox_ID = nullptr;
  QCheckBox* CheckBox_CS = nullptr;
  QCheckBox* CheckBox_EC = nullptr;
  QCheckBox* CheckBox_FR = nullptr;
  QCheckBox* CheckBox_CR = nullptr;
  QLineEdit* Edit_TOH = nullptr;
  QLineEdit* Edit_AL = nullptr;
  QLineEdit* Edit_CP = nullptr;
  QLineEdit* Edit_ID = nullptr;
  QLineEdit* Edit_LN = nullptr;
  QLineEdit* Edit_PV = nullptr;
  QLineEdit* Edit_ST = nullptr;
  QLineEdit* Edit_TM = nullptr;
  QLineEdit* Edit_VR = nullptr;
  QLineEdit* Edit_VehID = nullptr;

 private:
  QWidget* buildReportingMode();
  QWidget* buildOutputPeriods();
};

}  // namespace navbin::ui

#pragma once
// The receiver (GPS) configuration dialog: fix mode, dynamics, DGPS mode and
// the masks of the navigation settings.

#include <QComboBox>
#include <QLineEdit>

#include "ui/forms/config_dialog.h"

namespace navbin::ui {

class TForm_GPS : public ConfigDialog {
  Q_OBJECT
 public:
  explicit TForm_GPS(QWidget* parent);

  QComboBox* ComboBox_RMode = nullptr;
  QComboBox* ComboBox_DCode = nullptr;
  QComboBox* ComboBox_DifMode = nullptr;
  QLineEdit* Edit_EMask = nullptr;
  QLineEdit* Edit_SMask = nullptr;
  QLineEdit* Edit_PMask = nullptr;
  QLineEdit* Edit_PSwitch = nullptr;
  QLineEdit* Edit_DGPSAge = nullptr;
};

}  // namespace navbin::ui

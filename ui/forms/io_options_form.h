#pragma once
// The I/O options dialog: the receiver's position, velocity and timing output
// options and its map datum. The datum controls start disabled; a software
// version report enables them for firmware that supports a datum choice.

#include <QComboBox>
#include <QLabel>

#include "ui/forms/config_dialog.h"
#include "ui/widgets/radio_group.h"

namespace navbin::ui {

class TForm_IOOptions : public ConfigDialog {
  Q_OBJECT
 public:
  explicit TForm_IOOptions(QWidget* parent);

  RadioGroup* RadioGroup_Format = nullptr;
  RadioGroup* RadioGroup_AltOut = nullptr;
  RadioGroup* RadioGroup_Precision = nullptr;
  RadioGroup* RadioGroup_AltIn = nullptr;
  QLabel* Label_Datum = nullptr;
  QComboBox* ComboBox_Datum = nullptr;
  RadioGroup* RadioGroup_Velocity = nullptr;
  RadioGroup* RadioGroup_Timing = nullptr;
  RadioGroup* RadioGroup_PPSOutput = nullptr;

 private:
  QWidget* buildPosition();
  QWidget* buildVelocityAndTiming();
};

}  // namespace navbin::ui

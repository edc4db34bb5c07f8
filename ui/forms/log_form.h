#pragma once
// The data logging window: data set selection, set-up and status of the data log.
// So far only the bias check box, which the position decoders read and enable;
// the rest arrives with the data log.

#include <QCheckBox>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Log : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Log(QWidget* parent);

  QCheckBox* CheckBox_Bias = nullptr;
};

}  // namespace navbin::ui

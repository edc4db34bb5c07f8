#pragma once
// The I/O options dialog: the receiver's output options and map datum.
// So far only the datum controls, which the software version report enables
// for firmware that supports a datum choice; the rest arrives with the dialog.

#include <QComboBox>
#include <QLabel>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_IOOptions : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_IOOptions(QWidget* parent);

  QLabel* Label_Datum = nullptr;
  QComboBox* ComboBox_Datum = nullptr;
};

}  // namespace navbin::ui

#pragma once
// The serial port dialog: the receiver's two serial ports.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Serial : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Serial(QWidget* parent);
};

}  // namespace navbin::ui

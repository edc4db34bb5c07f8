#pragma once
// The time-from-PC dialog: the PC clock sent as the receiver's initial time.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_InitialTime : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_InitialTime(QWidget* parent);
};

}  // namespace navbin::ui

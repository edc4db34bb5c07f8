#pragma once
// The initial position dialog: a starting position for the receiver.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_InitialPos : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_InitialPos(QWidget* parent);
};

}  // namespace navbin::ui

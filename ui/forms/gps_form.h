#pragma once
// The receiver configuration dialog: the navigation settings.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_GPS : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_GPS(QWidget* parent);
};

}  // namespace navbin::ui

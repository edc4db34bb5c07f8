#pragma once
// The almanac transfer status window: one light per data block.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Alm : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Alm(QWidget* parent);
};

}  // namespace navbin::ui

#pragma once
// The enhanced sensitivity dialog: the current and next sensitivity mode.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Sensitivity : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Sensitivity(QWidget* parent);
};

}  // namespace navbin::ui

#pragma once
// The raw packet log window: file choice and recording state.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_LogNavBin : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_LogNavBin(QWidget* parent);
};

}  // namespace navbin::ui

#pragma once
// The generic command dialog: any packet typed as hexadecimal bytes.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_GenNavBin : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_GenNavBin(QWidget* parent);
};

}  // namespace navbin::ui

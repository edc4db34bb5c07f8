#pragma once
// The PPS dialog: pulse-per-second characteristics and output.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_PPSOutput : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_PPSOutput(QWidget* parent);
};

}  // namespace navbin::ui

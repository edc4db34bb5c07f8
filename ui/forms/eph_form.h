#pragma once
// The ephemeris transfer window: the transfer's progress as lines of text.
// So far only the window itself: its text box arrives with the transfer.
// Unlike the other secondary windows it may be resized.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Eph : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Eph(QWidget* parent);
};

}  // namespace navbin::ui

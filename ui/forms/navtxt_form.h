#pragma once
// The NavTxt dialog: how the receiver runs its ASCII interface.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_NavTxt : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_NavTxt(QWidget* parent);
};

}  // namespace navbin::ui

#pragma once
// The filters dialog: the receiver's position-velocity, static and altitude filters.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_Filters : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Filters(QWidget* parent);
};

}  // namespace navbin::ui

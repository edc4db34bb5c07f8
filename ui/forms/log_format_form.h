#pragma once
// The data log format window: a static reference of the record layout.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_LogFormat : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_LogFormat(QWidget* parent);
};

}  // namespace navbin::ui

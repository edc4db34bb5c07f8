#pragma once
// The self-survey dialog: survey on/off, auto-save and length.
// So far only the window itself: its controls arrive with its feature.

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_SelfSurvey : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_SelfSurvey(QWidget* parent);
};

}  // namespace navbin::ui

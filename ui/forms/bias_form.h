#pragma once
// The clock bias window: the display port's clock bias and bias rate, written
// by the position and velocity decoders.

#include "ui/forms/form_window.h"
#include "ui/widgets/panel.h"

namespace navbin::ui {

class TForm_Bias : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Bias(QWidget* parent);

  Panel* Panel_Bias = nullptr;
  Panel* Panel_BiasRate = nullptr;
};

}  // namespace navbin::ui

#pragma once
// The product information window: the receiver's firmware versions and dates,
// written by the software version decoder. Every cell shows "?" until then.

#include "ui/forms/form_window.h"
#include "ui/widgets/panel.h"

namespace navbin::ui {

class TForm_Product : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_Product(QWidget* parent);

  Panel* Panel_NavVersion = nullptr;
  Panel* Panel_NavDate = nullptr;
  Panel* Panel_SigVersion = nullptr;
  Panel* Panel_SigDate = nullptr;
};

}  // namespace navbin::ui

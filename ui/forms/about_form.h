#pragma once
// The about window: the program's picture, its version and identification,
// and an OK button that closes it.

#include <QLabel>
#include <QPushButton>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_About : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_About(QWidget* parent);

  QLabel* Image_Emblem = nullptr;
  QPushButton* Button_OK = nullptr;
};

}  // namespace navbin::ui

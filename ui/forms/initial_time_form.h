#pragma once
// The time-from-PC dialog: sends the PC clock as the receiver's initial GPS
// time and shows whether the receiver took it.

#include <QLabel>
#include <QPushButton>
#include <functional>

#include "ui/forms/form_window.h"
#include "ui/widgets/shape.h"

namespace navbin::ui {

class TForm_InitialTime : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_InitialTime(QWidget* parent);

  void setSetTimeHandler(std::function<void()> handler) { setTime_ = std::move(handler); }
  void Button_SetTimeClick();
  void Button_CancelClick() { hide(); }

  Shape* Shape_TimeAccepted = nullptr;  // gray, green when taken, red when refused
  QLabel* Label4 = nullptr;
  QPushButton* Button_SetTime = nullptr;
  QPushButton* Button_Cancel = nullptr;

 private:
  std::function<void()> setTime_;
};

}  // namespace navbin::ui

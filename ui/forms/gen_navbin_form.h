#pragma once
// The generic command dialog: any packet typed as hexadecimal bytes, id first,
// between the frame's leading DLE and closing DLE ETX that the framing adds.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "ui/forms/form_window.h"

namespace navbin::ui {

class TForm_GenNavBin : public FormWindow {
  Q_OBJECT
 public:
  explicit TForm_GenNavBin(QWidget* parent);

  void setSendHandler(std::function<void()> handler) { send_ = std::move(handler); }
  void Button_SendClick();
  void Button_CloseClick() { hide(); }

  QLabel* Label2 = nullptr;  // "NavBin Command:"
  QLabel* Label1 = nullptr;  // "10"
  QLineEdit* Edit_NavBin = nullptr;
  QLabel* Label3 = nullptr;  // "10 03"
  QPushButton* Button_Send = nullptr;
  QPushButton* Button_Close = nullptr;

 private:
  std::function<void()> send_;
};

}  // namespace navbin::ui

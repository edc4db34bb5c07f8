#pragma once
// The Cancel button of the transfer windows Form_Alm and Form_Eph: named
// Button_Cancel, disabled until a transfer runs, never the default button.

#include <QPushButton>

namespace navbin::ui {

inline QPushButton* CancelButton(QWidget* parent) {
  auto* button = new QPushButton("Cancel", parent);
  button->setObjectName("Button_Cancel");
  button->setAutoDefault(false);
  button->setEnabled(false);
  return button;
}

}  // namespace navbin::ui

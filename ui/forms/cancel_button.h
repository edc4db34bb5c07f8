#pragma once
// The Cancel button of the transfer windows Form_Alm and Form_Eph: named
// Button_Cancel, disabled until a transfer runs, never the default button.

#include <QPushButton>

#include "protocol/presentation/config_control_names.h"
#include "ui/widgets/object_name.h"

namespace navbin::ui {

inline QPushButton* CancelButton(QWidget* parent) {
  auto* button = new QPushButton("Cancel", parent);
  button->setObjectName(Name(names::Button_Cancel));
  button->setAutoDefault(false);
  button->setEnabled(false);
  return button;
}

}  // namespace navbin::ui

#pragma once
// The filters dialog: the receiver's position-velocity, static and altitude
// filters. The static filter works only with the position-velocity filter on,
// so its box is disabled (and cleared) whenever that one is cleared, also
// when a report clears it.

#include <QCheckBox>

#include "ui/forms/config_dialog.h"

namespace navbin::ui {

class TForm_Filters : public ConfigDialog {
  Q_OBJECT
 public:
  explicit TForm_Filters(QWidget* parent);

  void CheckBox_DynamicClick();

  QCheckBox* CheckBox_Dynamic = nullptr;
  QCheckBox* CheckBox_Static = nullptr;
  QCheckBox* CheckBox_Altitude = nullptr;
};

}  // namespace navbin::ui

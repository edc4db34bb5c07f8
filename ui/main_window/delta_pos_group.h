#pragma once
// The main window's change-in-position group (Panel_DeltaPos): metres north
// and east of the reference position, and the button that resets it.

#include "ui/main_window/group_frame.h"

class QPushButton;

namespace navbin::ui {

class DeltaPosGroup : public GroupFrame {
  Q_OBJECT
 public:
  DeltaPosGroup();

  ui::Panel* Panel_DeltaLat = nullptr;
  ui::Panel* Panel_DeltaLon = nullptr;
  ui::Panel* Panel_Disable = nullptr;
  ui::Panel* Panel_Disable2 = nullptr;
  QPushButton* Button_ResetLLA = nullptr;
};

}  // namespace navbin::ui

#pragma once
// The main window's dilution-of-precision group (Panel_DOPS).

#include "ui/main_window/group_frame.h"

namespace navbin::ui {

class DopsGroup : public GroupFrame {
  Q_OBJECT
 public:
  DopsGroup();

  ui::Panel* Panel_PDOP = nullptr;
  ui::Panel* Panel_HDOP = nullptr;
  ui::Panel* Panel_VDOP = nullptr;
  ui::Panel* Panel_TDOP = nullptr;
};

}  // namespace navbin::ui

#pragma once
// The main window's velocity group (Panel_Velocity): east, north and up, or
// the ECEF components, in m/s.

#include <array>

#include "ui/main_window/group_frame.h"

namespace navbin::ui {

class VelocityGroup : public GroupFrame {
  Q_OBJECT
 public:
  VelocityGroup();

  QLabel* Label_PanelVel = nullptr;  // "Velocity:"
  // Element k is row k + 1 (Panel_Vel1 is Panel_Vel[0]).
  std::array<ui::Panel*, 3> Panel_Vel{};
  std::array<QLabel*, 3> Label_Vel{};
};

}  // namespace navbin::ui

#pragma once
// The main window's satellites group (Panel_Satellites): SV, signal level,
// azimuth and elevation of the 12 receiver channels.

#include <array>

#include "ui/main_window/group_frame.h"

namespace navbin::ui {

class SatellitesGroup : public GroupFrame {
  Q_OBJECT
 public:
  SatellitesGroup();

  QLabel* Label27 = nullptr;  // "Satellite Data:"
  // Element k is channel row k + 1 (Panel_SV1 is Panel_SV[0]).
  std::array<ui::Panel*, 12> Panel_SV{};
  std::array<ui::Panel*, 12> Panel_AMU{};
  std::array<ui::Panel*, 12> Panel_AZ{};
  std::array<ui::Panel*, 12> Panel_EL{};

 private:
  void buildRow(std::size_t k);
};

}  // namespace navbin::ui

#pragma once
// The main window's position group (Panel_Position): the LLA, ECEF and
// timing layouts share its rows; below them the datum.

#include "ui/main_window/group_frame.h"

namespace navbin::ui {

class PositionGroup : public GroupFrame {
  Q_OBJECT
 public:
  PositionGroup();

  QLabel* Label_PanelPos = nullptr;  // "Position:"
  QLabel* Label_Lat_X = nullptr;
  QLabel* Label_Lon_Y = nullptr;
  QLabel* Label_Alt_Z = nullptr;
  QLabel* Label_Pmode1 = nullptr;
  QLabel* Label_Pmode2 = nullptr;
  ui::Panel* Panel_LatDeg = nullptr;
  ui::Panel* Panel_LatMin = nullptr;
  ui::Panel* Panel_NorthSouth = nullptr;
  ui::Panel* Panel_LonDeg = nullptr;
  ui::Panel* Panel_LonMin = nullptr;
  ui::Panel* Panel_EastWest = nullptr;
  ui::Panel* Panel_X = nullptr;
  ui::Panel* Panel_Y = nullptr;
  ui::Panel* Panel_Alt_Z = nullptr;
  ui::Panel* Panel_SuperLat = nullptr;
  ui::Panel* Panel_SuperLon = nullptr;
  ui::Panel* Panel_SuperAlt = nullptr;
  QLabel* Label_DatumMain = nullptr;
  ui::Panel* Panel_Datum = nullptr;

 private:
  void buildLlaCells();
  void buildSpanCells();
};

}  // namespace navbin::ui

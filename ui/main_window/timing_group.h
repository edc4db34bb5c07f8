#pragma once
// The main window's timing group (Panel_Timing): time, time of week, week and
// date; the timing layout's 0x8F-AB cells share the places of the normal ones.

#include "ui/main_window/group_frame.h"

namespace navbin::ui {

class TimingGroup : public GroupFrame {
  Q_OBJECT
 public:
  TimingGroup();

  QLabel* Label10 = nullptr;  // "Timing:"
  ui::Panel* Panel_Time = nullptr;
  ui::Panel* Panel_TOW = nullptr;
  QLabel* Label_TimeMode = nullptr;
  ui::Panel* Panel_SuperTime = nullptr;
  ui::Panel* Panel_SuperTOW = nullptr;
  QLabel* Label_SuperTimeMode = nullptr;
  ui::Panel* Panel_Week = nullptr;
  ui::Panel* Panel_Date = nullptr;
};

}  // namespace navbin::ui

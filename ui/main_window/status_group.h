#pragma once
// The main window's status group (Panel_Status): fix mode, DGPS, health and
// the four status lamps with their state texts.

#include "ui/main_window/group_frame.h"
#include "ui/widgets/shape.h"

namespace navbin::ui {

class StatusGroup : public GroupFrame {
  Q_OBJECT
 public:
  StatusGroup();

  QLabel* Label26 = nullptr;  // "Status:"
  QLabel* Label9 = nullptr;   // "Mode"
  QLabel* Label14 = nullptr;  // "DGPS"
  ui::Panel* Panel_RecMode = nullptr;
  ui::Panel* Panel_SuperReceiverMode = nullptr;
  ui::Panel* Panel_DGPS = nullptr;
  ui::Panel* Panel_Health = nullptr;
  ui::Shape* Shape_Err1 = nullptr;
  ui::Shape* Shape_Err2 = nullptr;
  ui::Shape* Shape_Err3 = nullptr;
  ui::Shape* Shape_Err4 = nullptr;
  QLabel* Label_BBRAMLed = nullptr;
  QLabel* Label_AntennaLed = nullptr;
  QLabel* Label_RTCLed = nullptr;
  QLabel* Label_AlmanacLed = nullptr;

 private:
  void buildLamps(int firstRow);
};

}  // namespace navbin::ui

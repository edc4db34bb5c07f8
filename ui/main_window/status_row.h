#pragma once
// The row along the bottom of the main window (StatusRow): serial activity
// lamps, the hint box, logging state, firmware version and the display
// port's line settings.

#include <QWidget>

#include "ui/widgets/panel.h"
#include "ui/widgets/shape.h"

class QFrame;
class QLabel;

namespace navbin::ui {

class StatusRow : public QWidget {
  Q_OBJECT
 public:
  StatusRow();

  QFrame* Bevel1 = nullptr;
  ui::Panel* Panel_TxRx = nullptr;
  QLabel* Label_Tx = nullptr;
  QLabel* Label_Rx = nullptr;
  ui::Shape* Shape_TxLED = nullptr;
  ui::Shape* Shape_RxLED = nullptr;
  ui::Panel* Panel_Hint = nullptr;
  ui::Panel* Panel_Record = nullptr;
  ui::Panel* Panel_Version = nullptr;
  ui::Panel* Panel_Serial = nullptr;

 private:
  void buildActivityLamps();
};

}  // namespace navbin::ui

#pragma once
// The port panel of the main window's multi-port layout (Panel_Com): the
// display-port selector, the 16 port lamps, Tx All and the data-log status.
// What its controls do is connected by the window that holds it.

#include <QFrame>
#include <array>

#include "ui/main_window/group_frame.h"
#include "ui/widgets/shape.h"

class QComboBox;
class QPushButton;

namespace navbin::ui {

// The hint of a port lamp; a lost port's lamp shows another until it is back.
inline constexpr char kPortPanelHint[] =
    "When lit, this port is monitored; when green, receiving packets";

class PortPanel : public GroupFrame {
  Q_OBJECT
 public:
  PortPanel();

  QLabel* Label11 = nullptr;  // "COM:"
  QLabel* Label13 = nullptr;  // "Display"
  QLabel* Label29 = nullptr;  // "Monitor"
  QComboBox* ComboBox_DisplayCom = nullptr;
  std::array<ui::Panel*, 16> Panel_MonCom{};  // Panel_MonCom1 is Panel_MonCom[0]
  QPushButton* Button_TxAll = nullptr;
  ui::Shape* Shape_TxAll = nullptr;
  ui::Panel* Panel_LogStatus = nullptr;

 private:
  void buildPortLamps(int firstRow);
};

}  // namespace navbin::ui

#pragma once
// Names of the main window's port controls that the shell writes: the send
// lamp, the serial settings panel, the display port list, the transmit-to-all
// lamp and the sixteen port panels; and the hint panel the state log reads.
// Each is the objectName of its widget.

#include "protocol/presentation/control_name.h"

namespace navbin::reports {

namespace names {
inline constexpr ControlName Shape_TxLED{"Shape_TxLED"};
inline constexpr ControlName Panel_Serial{"Panel_Serial"};
inline constexpr ControlName ComboBox_DisplayCom{"ComboBox_DisplayCom"};
inline constexpr ControlName Shape_TxAll{"Shape_TxAll"};
inline constexpr ControlName Panel_Hint{"Panel_Hint"};
}  // namespace names

namespace rows {
// Panel_MonCom1 .. Panel_MonCom16, one for each port.
inline constexpr auto Panel_MonCom = Row<"Panel_MonCom", 16>;
}  // namespace rows

}  // namespace navbin::reports

// Sending from the sensitivity dialog.

#include "protocol/reports/config_control_names.h"
#include "shell/config_dialogs.h"

namespace navbin::shell {

void SendSensitivity(reports::Display& display, commands::PacketSender& sender) {
  const int item =
      display.selectedIndex(reports::Form::Sensitivity, reports::names::ComboBox_NewMode);
  // No item (-1) goes out as 0xFF, which a receiver does not take as a mode.
  const std::uint8_t mode = item >= 0 && item <= 0xFF ? static_cast<std::uint8_t>(item) : 0xFF;
  commands::SetSensitivityMode(sender, commands::DISPLAY_PORT, mode);
}

}  // namespace navbin::shell

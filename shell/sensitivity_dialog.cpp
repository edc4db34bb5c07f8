// Sending from the sensitivity dialog.

#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"
#include "shell/dialog_fields.h"

namespace navbin::shell {

void SendSensitivity(reports::Display& display, commands::PacketSender& sender) {
  // No item (the user typed text of their own) goes out as 0xFF.
  const std::uint8_t mode =
      SelectedItemByte(display, reports::Form::Sensitivity, reports::names::ComboBox_NewMode);
  commands::SetSensitivityMode(sender, commands::DISPLAY_PORT, {.afterReset = mode});
}

}  // namespace navbin::shell

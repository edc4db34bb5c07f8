// Sending from the filters dialog.

#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"

namespace navbin::shell {

void SendFilters(reports::Display& display, commands::PacketSender& sender) {
  namespace names = reports::names;
  auto bit = [&](reports::ControlName box) -> std::uint8_t {
    return display.checked(reports::Form::Filters, box) ? 1 : 0;
  };
  commands::SetFilterConfiguration(
      sender, commands::DISPLAY_PORT,
      {bit(names::CheckBox_Dynamic), bit(names::CheckBox_Static), bit(names::CheckBox_Altitude)});
}

}  // namespace navbin::shell

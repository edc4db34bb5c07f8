// Sending from the packet masks dialog.

#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"

namespace navbin::shell {

void SendPacketMasks(reports::Display& display, commands::PacketSender& sender) {
  namespace names = reports::names;
  struct Bit {
    reports::ControlName box;
    std::uint8_t value;
  };
  static constexpr Bit kBits[] = {{names::CheckBox_B2Bit5, 0x20},
                                  {names::CheckBox_B2Bit6, 0x40},
                                  {names::CheckBox_B2Bit7, 0x80}};
  std::uint8_t mask1 = 0;
  for (const Bit& bit : kBits) {
    if (display.checked(reports::Form::PacketMasks, bit.box)) mask1 |= bit.value;
  }
  commands::SetPacketMasks(sender, commands::DISPLAY_PORT, {.mask0 = 0, .mask1 = mask1});
}

}  // namespace navbin::shell

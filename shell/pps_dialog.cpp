// Sending from the PPS characteristics dialog.

#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"
#include "shell/dialog_fields.h"

namespace navbin::shell {

namespace {
using reports::Form;
namespace names = reports::names;
}  // namespace

bool SendPpsCharacteristics(reports::Display& display, reports::Prompter& prompter,
                            commands::PacketSender& sender) {
  // The lists and the bias threshold are disabled: they go back as the
  // receiver reported them.
  settings::PpsCharacteristics pps;
  pps.driverSwitch = SelectedItemByte(display, Form::PPSOutput, names::ComboBox_Switch);
  pps.timeBase = SelectedItemByte(display, Form::PPSOutput, names::ComboBox_TimeBase);
  pps.polarity = SelectedItemByte(display, Form::PPSOutput, names::ComboBox_Polarity);
  const auto offset = ReadNumber(display, prompter, Form::PPSOutput, names::Edit_Offset);
  if (!offset) return false;
  const auto bias = ReadNumber(display, prompter, Form::PPSOutput, names::Edit_Bias);
  if (!bias) return false;
  pps.offset = *offset;
  pps.biasThreshold = static_cast<float>(*bias);
  commands::SetPpsCharacteristics(sender, commands::DISPLAY_PORT, pps);
  return true;
}

bool SendPpsOutput(reports::Display& display, commands::PacketSender& sender) {
  struct Option {
    reports::ControlName button;
    std::uint8_t code;
  };
  static constexpr Option kOptions[] = {
      {names::RadioButton_Always, 2}, {names::RadioButton_1SV, 3}, {names::RadioButton_3SV, 4}};
  for (const Option& o : kOptions) {
    if (display.checked(Form::PPSOutput, o.button)) {
      commands::SetPpsOutput(sender, commands::DISPLAY_PORT, {o.code});
      return true;
    }
  }
  return false;
}

}  // namespace navbin::shell

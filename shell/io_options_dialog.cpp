// Sending from the I/O options dialog.

#include "protocol/commands/config_commands.h"
#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/control_names.h"
#include "shell/config_dialogs.h"
#include "shell/dialog_fields.h"

namespace navbin::shell {

namespace {
using reports::Form;
namespace names = reports::names;
constexpr const char* kCaption = "I/O Options";
}  // namespace

std::optional<settings::IoOptions> ReadIoOptions(reports::Display& display,
                                                 reports::Prompter& prompter) {
  struct Group {
    reports::ControlName control;
    const char* setting;
  };
  static constexpr Group kGroups[] = {
      {names::RadioGroup_Format, "The position Output Format"},
      {names::RadioGroup_AltOut, "The LLA Altitude output"},
      {names::RadioGroup_AltIn, "The Altitude Input"},
      {names::RadioGroup_Precision, "The Precision of Output"},
      {names::RadioGroup_Velocity, "The velocity Output"},
      {names::RadioGroup_Timing, "The timing Output"},
      {names::RadioGroup_PPSOutput, "The PPS Output"},
  };
  int item[std::size(kGroups)] = {};
  for (std::size_t i = 0; i < std::size(kGroups); ++i) {
    const auto choice = ReadChoice(display, prompter, Form::IOOptions, kGroups[i].control,
                                   kGroups[i].setting, kCaption);
    if (!choice) return std::nullopt;
    item[i] = *choice;
  }
  const auto [format, altOut, altIn, precision, velocity, timing, pps] = item;
  settings::IoOptions options;
  options.position = static_cast<std::uint8_t>((format == 0) + 2 * format + 4 * altOut + 8 * altIn +
                                               16 * precision);
  options.velocity = static_cast<std::uint8_t>((velocity == 0) + 2 * velocity);
  options.timing =
      static_cast<std::uint8_t>(timing + (pps == 1 ? 0x20 : 0) + (pps == 2 ? 0x40 : 0));
  options.auxiliary = 0;
  return options;
}

bool SendIoOptions(reports::Display& display, reports::Prompter& prompter,
                   commands::PacketSender& sender) {
  const auto options = ReadIoOptions(display, prompter);
  if (!options) return false;
  commands::SetIoOptions(sender, commands::DISPLAY_PORT, *options);
  // Sent whether the list is enabled or not; no entry goes out as 0xFFFF,
  // which a receiver refuses, keeping its datum.
  const int datum = display.selectedIndex(Form::IOOptions, names::ComboBox_Datum);
  commands::SetDatum(sender, commands::DISPLAY_PORT, {static_cast<std::uint16_t>(datum)});
  return true;
}

}  // namespace navbin::shell

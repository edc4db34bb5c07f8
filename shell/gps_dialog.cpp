// Sending from the GPS configuration dialog.

#include <cmath>

#include "protocol/presentation/config_control_names.h"
#include "protocol/receiver/receiver_state.h"
#include "shell/config_dialogs.h"
#include "shell/dialog_fields.h"

namespace navbin::shell {

namespace {
using reports::Form;
namespace names = reports::names;

// The low 8 bits of the number truncated towards zero ("-1" gives 0xFF); the
// same for numbers beyond the range of int.
std::uint8_t LowByte(double value) {
  const double whole = std::fmod(std::trunc(value), 256.0);
  return static_cast<std::uint8_t>(static_cast<int>(whole) & 0xFF);
}
}  // namespace

std::optional<settings::GpsConfiguration> ReadGpsConfiguration(reports::Display& display,
                                                               reports::Prompter& prompter) {
  settings::GpsConfiguration config;
  config.receiverMode = SelectedItemByte(display, Form::GPS, names::ComboBox_RMode);
  config.dgpsMode = SelectedItemByte(display, Form::GPS, names::ComboBox_DifMode);
  config.dynamicsCode = SelectedItemByte(display, Form::GPS, names::ComboBox_DCode);

  const auto elevation = ReadNumber(display, prompter, Form::GPS, names::Edit_EMask);
  if (!elevation) return std::nullopt;
  // Degrees typed, radians sent, each step rounded to a single.
  config.elevationMask =
      static_cast<float>(static_cast<float>(*elevation) * reports::kRadiansPerDegree);
  float* masks[] = {&config.signalMask, &config.pdopMask, &config.pdopSwitch};
  const reports::ControlName edits[] = {names::Edit_SMask, names::Edit_PMask, names::Edit_PSwitch};
  for (int i = 0; i < 3; ++i) {
    const auto value = ReadNumber(display, prompter, Form::GPS, edits[i]);
    if (!value) return std::nullopt;
    *masks[i] = static_cast<float>(*value);
  }
  const auto age = ReadNumber(display, prompter, Form::GPS, names::Edit_DGPSAge);
  if (!age) return std::nullopt;
  config.dgpsAgeLimit = LowByte(*age);
  return config;
}

bool SendGpsConfiguration(reports::Display& display, reports::Prompter& prompter,
                          commands::PacketSender& sender) {
  const auto config = ReadGpsConfiguration(display, prompter);
  if (!config) return false;
  commands::SetGpsConfiguration(sender, commands::DISPLAY_PORT, *config);
  return true;
}

}  // namespace navbin::shell

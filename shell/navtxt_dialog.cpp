// Sending from the NavTxt dialog.

#include <cmath>

#include "protocol/presentation/config_control_names.h"
#include "shell/config_dialogs.h"
#include "shell/dialog_fields.h"

namespace navbin::shell {

namespace {
using reports::Form;
namespace names = reports::names;

// The low 16 bits of a whole number, also for numbers beyond the range of int.
std::uint16_t Low16(double whole) {
  return static_cast<std::uint16_t>(static_cast<long long>(std::fmod(whole, 65536.0)) & 0xFFFF);
}

// The first four characters of UTF-8 `text` as one byte each: the characters
// of Latin-1 as themselves, any other as '?'; zero bytes after a shorter text.
std::array<std::uint8_t, 4> VehicleId(std::string_view text) {
  auto continuation = [&](std::size_t at) {
    return at < text.size() && (static_cast<std::uint8_t>(text[at]) & 0xC0) == 0x80;
  };
  std::array<std::uint8_t, 4> id{};
  std::size_t at = 0;
  for (std::uint8_t& out : id) {
    if (at >= text.size()) break;
    const auto lead = static_cast<std::uint8_t>(text[at++]);
    if (lead < 0x80) {
      out = lead;
      continue;
    }
    // U+0080 to U+00FF come as C2 or C3 and one continuation byte.
    const bool latin1 = (lead == 0xC2 || lead == 0xC3) && continuation(at);
    out = latin1 ? static_cast<std::uint8_t>(((lead & 0x03) << 6) | (text[at] & 0x3F)) : '?';
    while (continuation(at)) ++at;
  }
  return id;
}
}  // namespace

std::optional<settings::NavTxt> ReadNavTxtConfiguration(reports::Display& display,
                                                        reports::Prompter& prompter) {
  settings::NavTxt config;
  const reports::ControlName flags[] = {names::CheckBox_ID, names::CheckBox_CS, names::CheckBox_EC,
                                        names::CheckBox_FR, names::CheckBox_CR};
  for (int bit = 0; bit < 5; ++bit) {
    if (display.checked(Form::NavTxt, flags[bit])) config.flags |= 1 << bit;
  }
  const auto offset = ReadNumber(display, prompter, Form::NavTxt, names::Edit_TOH);
  if (!offset) return std::nullopt;
  config.topOfHourOffset = Low16(std::trunc(*offset));
  const reports::ControlName periods[] = {names::Edit_AL, names::Edit_CP, names::Edit_ID,
                                          names::Edit_LN, names::Edit_PV, names::Edit_ST,
                                          names::Edit_TM, names::Edit_VR};
  for (std::size_t i = 0; i < config.periods.size(); ++i) {
    const auto period = ReadInteger(display, prompter, Form::NavTxt, periods[i]);
    if (!period) return std::nullopt;
    config.periods[i] = static_cast<std::uint16_t>(*period & 0xFFFF);
  }
  config.vehicleId = VehicleId(display.text(Form::NavTxt, names::Edit_VehID));
  return config;
}

bool SendNavTxtConfiguration(reports::Display& display, reports::Prompter& prompter,
                             commands::PacketSender& sender) {
  const auto config = ReadNavTxtConfiguration(display, prompter);
  if (!config) return false;
  commands::SetNavTxtConfiguration(sender, commands::DISPLAY_PORT, *config);
  return true;
}

}  // namespace navbin::shell

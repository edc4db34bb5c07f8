// The initial position dialog: its mode switch, sending, and the position file.

#include <filesystem>
#include <fstream>
#include <iterator>

#include "protocol/commands/init_commands.h"
#include "protocol/presentation/config_control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/receiver/receiver_state.h"
#include "shell/config_dialogs.h"
#include "shell/decimal_text.h"
#include "shell/dialog_fields.h"

namespace navbin::shell {

namespace {
using reports::Form;
using reports::Icon;
namespace names = reports::names;

bool IsLlaMode(int mode) {
  return mode == 0 || mode == 2;
}
bool IsEcefMode(int mode) {
  return mode == 1 || mode == 3;
}

// A position file holds one short line; more than this is not one.
constexpr std::size_t kMaxFileBytes = 64 * 1024;

// The file's text, or nothing when it cannot be read.
std::optional<std::string> ReadText(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kMaxFileBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

void Fill(reports::Display& display, const reports::ControlName (&edits)[3],
          const char* const (&formats)[3], const std::array<float, 3>& values) {
  for (int i = 0; i < 3; ++i) {
    display.setText(Form::InitialPos, edits[i], reports::Format(formats[i], double(values[i])));
  }
}
}  // namespace

void ShowPositionMode(reports::Display& display, int mode) {
  const bool lla = IsLlaMode(mode);
  display.setVisible(Form::InitialPos, names::GroupBox_ECEF, !lla);
  display.setEnabled(Form::InitialPos, names::GroupBox_ECEF, !lla);
  display.setVisible(Form::InitialPos, names::GroupBox_LLA, lla);
  display.setEnabled(Form::InitialPos, names::GroupBox_LLA, lla);
  if (lla)
    display.setTextColour(Form::InitialPos, names::GroupBox_LLA, reports::Colour::WindowText);
  display.setEnabled(Form::InitialPos, names::Button_File1, true);
  display.setEnabled(Form::InitialPos, names::Button_File2, true);
}

bool SendInitialPosition(reports::Display& display, reports::Prompter& prompter,
                         commands::PacketSender& sender) {
  const int mode = display.selectedIndex(Form::InitialPos, names::RadioGroup_PosMode);
  if (!IsLlaMode(mode) && !IsEcefMode(mode)) return true;  // no mode: nothing to send
  const bool lla = IsLlaMode(mode);
  const reports::ControlName llaEdits[] = {names::Edit_Lat, names::Edit_Lon, names::Edit_Alt};
  const reports::ControlName ecefEdits[] = {names::Edit_X, names::Edit_Y, names::Edit_Z};
  float v[3] = {};
  for (int i = 0; i < 3; ++i) {
    const auto value =
        ReadNumber(display, prompter, Form::InitialPos, (lla ? llaEdits : ecefEdits)[i]);
    if (!value) return false;
    // Latitude and longitude are typed in degrees and sent in radians.
    v[i] = static_cast<float>(lla && i < 2 ? *value * reports::kRadiansPerDegree : *value);
  }
  const int to = commands::DISPLAY_PORT;
  switch (mode) {
    case 0:
      commands::SetInitialPositionLla(sender, to, v[0], v[1], v[2]);
      break;
    case 1:
      commands::SetInitialPositionXyz(sender, to, v[0], v[1], v[2]);
      break;
    case 2:
      commands::SetAccuratePositionLla(sender, to, v[0], v[1], v[2]);
      break;
    default:
      commands::SetAccuratePositionXyz(sender, to, v[0], v[1], v[2]);
      break;
  }
  return true;
}

reports::FileRequest PositionFileRequest() {
  return reports::DataFileRequest(false);
}

void ReadPositionFile(reports::Display& display, reports::Prompter& prompter) {
  const std::optional<std::string> path = prompter.chooseFile(PositionFileRequest());
  const std::optional<std::string> text = path ? ReadText(*path) : std::nullopt;
  if (!text) {
    prompter.message("Couldn't open position data file.", "Error");
    return;
  }
  const PositionFile file = ParsePositionFile(*text);
  const int mode = display.selectedIndex(Form::InitialPos, names::RadioGroup_PosMode);
  // A kind with fewer than three numbers after it is no position.
  if ((file.kind != 0 && file.kind != 1) || file.count < 3) {
    prompter.message("Position data file format incorrect", "Error");
  } else if (file.kind == 1 && !IsEcefMode(mode)) {
    prompter.message("Position data is in ECEF.", "Error", Icon::Exclamation);
  } else if (file.kind == 0 && !IsLlaMode(mode)) {
    prompter.message("Position data is in LLA.", "Error", Icon::Exclamation);
  } else if (file.kind == 1) {
    Fill(display, {names::Edit_X, names::Edit_Y, names::Edit_Z}, {"%.2f", "%.2f", "%.2f"},
         file.values);
  } else {
    Fill(display, {names::Edit_Lat, names::Edit_Lon, names::Edit_Alt}, {"%.3f", "%.3f", "%.1f"},
         file.values);
  }
}

}  // namespace navbin::shell

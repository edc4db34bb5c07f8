// The "&Initialize" menu: resets, self-survey commands, satellite-data
// transfers, position and time up- and downloads.

#include "app/main_form.h"
#include "app/main_serial_apply.h"
#include "protocol/commands/encoders.h"
#include "protocol/presentation/config_control_names.h"

namespace navbin::app {

namespace {
using commands::DISPLAY_PORT;
using reports::Form;
using reports::Icon;
}  // namespace

void TForm_Main::questionPositionPanels() {
  const ui::PositionGroup& p = *position;
  for (ui::Panel* panel : {p.Panel_NorthSouth, p.Panel_LatDeg, p.Panel_LatMin, p.Panel_EastWest,
                           p.Panel_LonDeg, p.Panel_LonMin, p.Panel_X, p.Panel_Y, p.Panel_Alt_Z}) {
    panel->setText("?");
  }
}

void TForm_Main::InitializeColdClick() {
  if (!prompter_.ask("Really clear battery backed-up RAM?", "Cold reset?")) return;
  commands::ColdReset(core_.sender, DISPLAY_PORT);
  prompter_.message(
      "Serial port settings will revert to those saved in Flash memory.  It may be necessary to "
      "change the PC settings to match if the receiver is no longer communicating.",
      "Warning", Icon::Exclamation);
  questionPositionPanels();
}

void TForm_Main::InitializeSoftClick() {
  if (!prompter_.ask("Really restart the receiver?", "Soft reset?")) return;
  commands::SoftReset(core_.sender, DISPLAY_PORT);
}

void TForm_Main::InitializeFactoryClick() {
  if (!prompter_.ask("Really clear battery backed-up RAM and set receiver to factory default "
                     "settings?",
                     "Factory Reset?", Icon::Exclamation)) {
    return;
  }
  commands::Reset(core_.sender, DISPLAY_PORT, commands::kFactoryResetMode);
  questionPositionPanels();
  // After the reset the receiver talks 9600 8-O-1; follow it unless the PC
  // side already does.
  const int index = core_.shell.displayIndex();
  const bool atFactoryLine = index >= 0 && index < link::kPortCount &&
                             core_.shell.lineSettings[index] == link::LineSettings{7, 3, 1, 0};
  if (!atFactoryLine) {
    ApplySerialPortSettings(core_, display_, prompter_, FactoryLineRecord(), true,
                            serialApplySleep_);
  }
}

void TForm_Main::InitializeRestartSurveyClick() {
  if (prompter_.ask("Do you really want to restart the self-survey?", "Restart self-survey?")) {
    commands::RestartSelfSurvey(core_.sender, DISPLAY_PORT);
  }
}

void TForm_Main::InitializeClearPositionClick() {
  if (prompter_.ask("Do you really want to clear the stored position?", "Clear stored position?")) {
    commands::ClearStoredPosition(core_.sender, DISPLAY_PORT);
  }
}

bool TForm_Main::runTransfer(Transfer transfer) {
  const auto& handler = transfers_[static_cast<std::size_t>(transfer)];
  if (!handler || transferRunning_) return false;
  transferRunning_ = true;
  handler();
  transferRunning_ = false;
  return true;
}

void TForm_Main::InitializeUploadAlmClick() {
  // The receiver's answer shows whether its almanac is complete now.
  if (runTransfer(Transfer::UploadAlmanac)) {
    commands::RequestReceiverHealth(core_.sender, DISPLAY_PORT);
  }
}

void TForm_Main::InitializeUploadPosClick() {
  showForm(Form::InitialPos);
}

void TForm_Main::InitializeTimeFromPCClick() {
  if (!hasForm(Form::InitialTime)) return;
  display_.setColour(Form::InitialTime, reports::names::Shape_TimeAccepted, reports::Colour::Gray);
  showForm(Form::InitialTime);
}

void TForm_Main::InitializeUploadEphClick() {
  runTransfer(Transfer::UploadEphemeris);
}

void TForm_Main::InitializeDownloadAlmClick() {
  runTransfer(Transfer::DownloadAlmanac);
}

void TForm_Main::InitializeDownloadPosClick() {
  // The next position report of the display port offers to save itself.
  core_.reports.globals.downloadPositionPending = 1;
}

void TForm_Main::InitializeTimeToPCClick() {
  // The answering 0x41 report sets the PC clock.
  commands::RequestGpsTime(core_.sender, DISPLAY_PORT);
  core_.reports.globals.setClockPending = 1;
}

void TForm_Main::InitializeDownloadEphClick() {
  runTransfer(Transfer::DownloadEphemeris);
}

}  // namespace navbin::app

// The send steps of the configuration dialogs, over the main window's core
// and message boxes.

#include "app/main_form.h"
#include "app/main_serial_apply.h"
#include "protocol/commands/config_commands.h"
#include "shell/config_dialogs.h"
#include "ui/forms/filters_form.h"
#include "ui/forms/gen_navbin_form.h"
#include "ui/forms/gps_form.h"
#include "ui/forms/initial_pos_form.h"
#include "ui/forms/initial_time_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/navtxt_form.h"
#include "ui/forms/packet_masks_form.h"
#include "ui/forms/pps_output_form.h"
#include "ui/forms/self_survey_form.h"
#include "ui/forms/sensitivity_form.h"
#include "ui/forms/serial_form.h"

namespace navbin::app {

void TForm_Main::connectConfigurationDialogs(const ui::SecondaryForms& forms) {
  if (auto* io = forms.Form_IOOptions) {
    io->setSendHandler([this] { return shell::SendIoOptions(display_, prompter_, core_.sender); });
  }
  if (auto* gps = forms.Form_GPS) {
    gps->setSendHandler(
        [this] { return shell::SendGpsConfiguration(display_, prompter_, core_.sender); });
  }
  if (auto* pos = forms.Form_InitialPos) {
    pos->setSendHandler(
        [this] { return shell::SendInitialPosition(display_, prompter_, core_.sender); });
    pos->setModeHandler([this](int mode) { shell::ShowPositionMode(display_, mode); });
    pos->setFileHandler([this] { shell::ReadPositionFile(display_, prompter_); });
  }
  if (auto* time = forms.Form_InitialTime) {
    time->setSetTimeHandler(
        [this] { shell::SendPcTime(core_.dispatcher.context().clock, core_.sender); });
  }
  if (auto* serial = forms.Form_Serial) {
    serial->setSetPortHandler([this](int panel) { setReceiverSerialPort(panel); });
  }
  if (auto* filters = forms.Form_Filters) {
    filters->setSendHandler([this] {
      shell::SendFilters(display_, core_.sender);
      return true;
    });
  }
  if (auto* masks = forms.Form_PacketMasks) {
    masks->setSendHandler([this] { shell::SendPacketMasks(display_, core_.sender); });
  }
  if (auto* sensitivity = forms.Form_Sensitivity) {
    sensitivity->setSendHandler([this] {
      shell::SendSensitivity(display_, core_.sender);
      return true;
    });
  }
  if (auto* navTxt = forms.Form_NavTxt) {
    navTxt->setSendHandler(
        [this] { return shell::SendNavTxtConfiguration(display_, prompter_, core_.sender); });
  }
  if (auto* pps = forms.Form_PPSOutput) {
    pps->setSetCharHandler(
        [this] { shell::SendPpsCharacteristics(display_, prompter_, core_.sender); });
    pps->setSetOutputHandler([this] { shell::SendPpsOutput(display_, core_.sender); });
  }
  if (auto* survey = forms.Form_SelfSurvey) {
    survey->setSendHandler([this] { shell::SendSelfSurvey(display_, prompter_, core_.sender); });
  }
  if (auto* generic = forms.Form_GenNavBin) {
    generic->setSendHandler([this] { shell::SendHexCommand(display_, prompter_, core_.sender); });
  }
}

void TForm_Main::setReceiverSerialPort(int panel) {
  const auto record = shell::ReadSerialPanel(display_, prompter_, panel);
  if (!record) return;
  ApplySerialPortSettings(core_, display_, prompter_, *record, true, serialApplySleep_);
  if (prompter_.ask("Do you wish to save the receiver settings to Flash memory?", "Warning",
                    reports::Icon::Exclamation, true)) {
    commands::SaveToFlash(core_.sender, commands::DISPLAY_PORT);
  }
}

}  // namespace navbin::app

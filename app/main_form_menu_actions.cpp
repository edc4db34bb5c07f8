// The "&Configure", "&Logging", "&Window", "&Diagnostics" and "&Help"
// entries, the multi-port commands and the serial port dialog's "Set Port"
// buttons. Entries that open a window ask the
// receiver for the window's settings first; a window that does not exist
// leaves its entry without effect.

#include "app/main_form.h"
#include "app/main_serial_apply.h"
#include "protocol/commands/encoders.h"
#include "protocol/presentation/prompter.h"
#include "shell/config_dialogs.h"

namespace navbin::app {

namespace {
using commands::DISPLAY_PORT;
using reports::Form;
using reports::Icon;

// The serial-port dialog shows the receiver's ports 0 and 1.
void RequestBothSerialPorts(commands::PacketSender& sender, int selector) {
  commands::RequestSerialPortConfiguration(sender, selector, 0);
  commands::RequestSerialPortConfiguration(sender, selector, 1);
}
}  // namespace

bool TForm_Main::hasForm(Form form) const {
  return display_.form(form) != nullptr;
}

bool TForm_Main::showForm(Form form) {
  QWidget* window = display_.form(form);
  if (!window) return false;
  window->show();
  window->raise();
  window->activateWindow();
  return true;
}

void TForm_Main::queryAndShow(Form form, std::initializer_list<Query> queries) {
  if (!hasForm(form)) return;
  for (Query query : queries) query(core_.sender, DISPLAY_PORT);
  showForm(form);
}

void TForm_Main::ConfigureIOClick() {
  queryAndShow(Form::IOOptions, {commands::RequestDatum, commands::RequestIoOptions});
}

void TForm_Main::ConfigureSensitivityClick() {
  queryAndShow(Form::Sensitivity, {commands::RequestSensitivityMode});
}

void TForm_Main::ConfigureNavTxtClick() {
  queryAndShow(Form::NavTxt, {commands::RequestNavTxtConfiguration});
}

void TForm_Main::ConfigureGPSClick() {
  queryAndShow(Form::GPS, {commands::RequestGpsConfiguration});
}

void TForm_Main::ConfigureSerialClick() {
  queryAndShow(Form::Serial, {RequestBothSerialPorts});
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

void TForm_Main::ConfigureFiltersClick() {
  queryAndShow(Form::Filters, {commands::RequestFilterConfiguration});
}

void TForm_Main::ConfigurePPSClick() {
  queryAndShow(Form::PPSOutput, {commands::RequestPpsCharacteristics, commands::RequestPpsOutput});
}

void TForm_Main::ConfigurePacketMasksClick() {
  queryAndShow(Form::PacketMasks, {commands::RequestPacketMasks});
}

void TForm_Main::ConfigureSelfSurveyClick() {
  queryAndShow(Form::SelfSurvey, {commands::RequestSelfSurveyParameters});
}

void TForm_Main::ConfigureSaveToFlashClick() {
  if (prompter_.ask("Previous configuration information will be\nlost. Really replace receiver "
                    "configuration\nin non-volatile memory?",
                    "Warning", Icon::Exclamation, true)) {
    commands::SaveToFlash(core_.sender, DISPLAY_PORT);
  }
}

void TForm_Main::ConfigureSaveSettingsClick() {
  runTransfer(Transfer::SaveSettings);
}

void TForm_Main::ConfigureRestoreSettingsClick() {
  runTransfer(Transfer::RestoreSettings);
}

void TForm_Main::LoggingDataClick() {
  showForm(Form::Log);
}

void TForm_Main::LoggingNavBinClick() {
  showForm(Form::LogNavBin);
}

void TForm_Main::LoggingAutoQueryClick() {
  core_.shell.autoQuery = !core_.shell.autoQuery;
  menus->LoggingAutoQuery->setChecked(core_.shell.autoQuery);
  blankDisplay();
}

void TForm_Main::WindowTrackClick() {
  showForm(Form::Track);
}

void TForm_Main::WindowTimingOutputsClick() {
  showForm(Form::Bias);
}

void TForm_Main::WindowProductClick() {
  queryAndShow(Form::Product, {commands::RequestVersion});
}

void TForm_Main::WindowTimingPacketsClick() {
  showForm(Form::TimingPackets);
}

void TForm_Main::WindowSkyViewClick() {
  showForm(Form::SkyView);
}

void TForm_Main::WindowStabilityClick() {
  showForm(Form::Stability);
}

void TForm_Main::WindowMultiPortClick() {
  applyLayout(!isMultiportLayout());
}

void TForm_Main::DiagnosticsGenericNavBinClick() {
  showForm(Form::GenNavBin);
}

void TForm_Main::HelpAboutClick() {
  showForm(Form::About);
}

void TForm_Main::MenuCOM_OpenAllClick() {
  core_.multiPort.openAllPorts();
}

void TForm_Main::MenuCOM_AutoFindClick() {
  core_.multiPort.autoFindAllReceivers();
}

void TForm_Main::MenuCOM_SendBreakClick() {
  core_.multiPort.sendBreakToAll();
}

void TForm_Main::MenuCOM_CloseAllClick() {
  core_.multiPort.closeAllPorts();
}

void TForm_Main::MenuCOM_CloseQuietClick() {
  core_.multiPort.closeAllQuietPorts();
}

void TForm_Main::MenuCOM_EnableAllClick() {
  core_.multiPort.enableAllPorts();
}

void TForm_Main::Button_ResetLLAClick() {
  // The next LLA fix becomes the reference and shows 0.00, 0.00.
  core_.reports.globals.deltaReferenceSet = 0;
}

}  // namespace navbin::app

// The "&Configure", "&Logging", "&Window", "&Diagnostics" and "&Help"
// entries and the multi-port commands. Entries that open a window ask the
// receiver for the window's settings first; a window that does not exist
// leaves its entry without effect.

#include "app/main_form.h"
#include "protocol/commands/encoders.h"
#include "protocol/reports/prompter.h"

namespace navbin::app {

namespace {
using commands::DISPLAY_PORT;
using reports::Form;
using reports::Icon;
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

void TForm_Main::ConfigureIOClick() {
  if (!hasForm(Form::IOOptions)) return;
  commands::RequestDatum(core_.sender, DISPLAY_PORT);
  commands::RequestIoOptions(core_.sender, DISPLAY_PORT);
  showForm(Form::IOOptions);
}

void TForm_Main::ConfigureSensitivityClick() {
  if (!hasForm(Form::Sensitivity)) return;
  commands::RequestSensitivityMode(core_.sender, DISPLAY_PORT);
  showForm(Form::Sensitivity);
}

void TForm_Main::ConfigureNavTxtClick() {
  if (!hasForm(Form::NavTxt)) return;
  commands::RequestNavTxtConfiguration(core_.sender, DISPLAY_PORT);
  showForm(Form::NavTxt);
}

void TForm_Main::ConfigureGPSClick() {
  if (!hasForm(Form::GPS)) return;
  commands::RequestGpsConfiguration(core_.sender, DISPLAY_PORT);
  showForm(Form::GPS);
}

void TForm_Main::ConfigureSerialClick() {
  if (!hasForm(Form::Serial)) return;
  commands::RequestSerialPortConfiguration(core_.sender, DISPLAY_PORT, 0);
  commands::RequestSerialPortConfiguration(core_.sender, DISPLAY_PORT, 1);
  showForm(Form::Serial);
}

void TForm_Main::ConfigureFiltersClick() {
  if (!hasForm(Form::Filters)) return;
  commands::RequestFilterConfiguration(core_.sender, DISPLAY_PORT);
  showForm(Form::Filters);
}

void TForm_Main::ConfigurePPSClick() {
  if (!hasForm(Form::PPSOutput)) return;
  commands::RequestPpsCharacteristics(core_.sender, DISPLAY_PORT);
  commands::RequestPpsOutput(core_.sender, DISPLAY_PORT);
  showForm(Form::PPSOutput);
}

void TForm_Main::ConfigurePacketMasksClick() {
  if (!hasForm(Form::PacketMasks)) return;
  commands::RequestPacketMasks(core_.sender, DISPLAY_PORT);
  showForm(Form::PacketMasks);
}

void TForm_Main::ConfigureSelfSurveyClick() {
  if (!hasForm(Form::SelfSurvey)) return;
  commands::RequestSelfSurveyParameters(core_.sender, DISPLAY_PORT);
  showForm(Form::SelfSurvey);
}

void TForm_Main::ConfigureSaveToFlashClick() {
  if (prompter_.ask("Previous configuration information will be\nlost. Really replace receiver "
                    "configuration\nin non-volatile memory?",
                    "Warning", Icon::Exclamation, true)) {
    commands::SaveToFlash(core_.sender, DISPLAY_PORT);
  }
}

void TForm_Main::LoggingDataClick() {
  showForm(Form::Log);
}

void TForm_Main::LoggingNavBinClick() {
  showForm(Form::LogNavBin);
}

void TForm_Main::LoggingAutoQueryClick() {
  core_.shell.autoQuery = !core_.shell.autoQuery;
  LoggingAutoQuery->setChecked(core_.shell.autoQuery);
  blankDisplay();
}

void TForm_Main::WindowTrackClick() {
  showForm(Form::Track);
}

void TForm_Main::WindowTimingOutputsClick() {
  showForm(Form::Bias);
}

void TForm_Main::WindowProductClick() {
  if (!hasForm(Form::Product)) return;
  commands::RequestVersion(core_.sender, DISPLAY_PORT);
  showForm(Form::Product);
}

void TForm_Main::WindowTimingPacketsClick() {
  showForm(Form::TimingPackets);
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

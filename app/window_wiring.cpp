#include "app/window_wiring.h"

#include "app/main_form.h"
#include "app/settings_windows.h"
#include "app/transfer_windows.h"
#include "protocol/commands/timing_commands.h"
#include "shell/config_dialogs.h"
#include "ui/forms/filters_form.h"
#include "ui/forms/gen_navbin_form.h"
#include "ui/forms/gps_form.h"
#include "ui/forms/initial_pos_form.h"
#include "ui/forms/initial_time_form.h"
#include "ui/forms/io_options_form.h"
#include "ui/forms/log_form.h"
#include "ui/forms/log_format_form.h"
#include "ui/forms/log_navbin_form.h"
#include "ui/forms/navtxt_form.h"
#include "ui/forms/packet_masks_form.h"
#include "ui/forms/pps_output_form.h"
#include "ui/forms/self_survey_form.h"
#include "ui/forms/sensitivity_form.h"
#include "ui/forms/serial_form.h"
#include "ui/forms/sky_view_form.h"
#include "ui/forms/stability_form.h"
#include "ui/forms/timing_packets_form.h"

namespace navbin::app {

WindowWiring::WindowWiring(TForm_Main& form, const ui::SecondaryForms& forms)
    : QObject(&form), form_(form) {
  attachLogWindows(forms);
  connectConfigurationDialogs(forms);
  connectTimingPackets(forms);
  // Owned by form; the settings windows hold the thread as the transfers do.
  auto* transfers = new TransferWindows(form, form.core(), form.display(), form.prompter());
  new SettingsWindows(form, *transfers);
  createChartWindows();
}

// The logs write Panel_LogStatus and Panel_Record themselves.
void WindowWiring::attachLogWindows(const ui::SecondaryForms& forms) {
  shell::MonitorCore& core = form_.core();
  if (forms.Form_Log) {
    forms.Form_Log->attach(core.dataLogger, core.ports, core.shell, core.dataLog,
                           forms.Form_LogFormat, [&core] { core.multiPort.repaintPortPanels(); });
  }
  if (forms.Form_LogNavBin) forms.Form_LogNavBin->attach(core.rawLog);
}

// The send steps of the configuration dialogs, over the main window's core
// and message boxes.
void WindowWiring::connectConfigurationDialogs(const ui::SecondaryForms& forms) {
  ui::WidgetDisplay& display = form_.display();
  reports::Prompter& prompter = form_.prompter();
  commands::PacketSender& sender = form_.core().sender;
  if (auto* io = forms.Form_IOOptions) {
    io->setSendHandler([&] { return shell::SendIoOptions(display, prompter, sender); });
  }
  if (auto* gps = forms.Form_GPS) {
    gps->setSendHandler([&] { return shell::SendGpsConfiguration(display, prompter, sender); });
  }
  connectInitialPosition(forms);
  if (auto* serial = forms.Form_Serial) {
    serial->setSetPortHandler([this](int panel) { form_.setReceiverSerialPort(panel); });
  }
  if (auto* filters = forms.Form_Filters) {
    filters->setSendHandler([&] {
      shell::SendFilters(display, sender);
      return true;
    });
  }
  if (auto* masks = forms.Form_PacketMasks) {
    masks->setSendHandler([&] { shell::SendPacketMasks(display, sender); });
  }
  if (auto* sensitivity = forms.Form_Sensitivity) {
    sensitivity->setSendHandler([&] {
      shell::SendSensitivity(display, sender);
      return true;
    });
  }
  if (auto* navTxt = forms.Form_NavTxt) {
    navTxt->setSendHandler(
        [&] { return shell::SendNavTxtConfiguration(display, prompter, sender); });
  }
  if (auto* pps = forms.Form_PPSOutput) {
    pps->setSetCharHandler([&] { shell::SendPpsCharacteristics(display, prompter, sender); });
    pps->setSetOutputHandler([&] { shell::SendPpsOutput(display, sender); });
  }
  if (auto* survey = forms.Form_SelfSurvey) {
    survey->setSendHandler([&] { shell::SendSelfSurvey(display, prompter, sender); });
  }
  if (auto* generic = forms.Form_GenNavBin) {
    generic->setSendHandler([&] { shell::SendHexCommand(display, prompter, sender); });
  }
}

// The initial position and time uploads.
void WindowWiring::connectInitialPosition(const ui::SecondaryForms& forms) {
  ui::WidgetDisplay& display = form_.display();
  reports::Prompter& prompter = form_.prompter();
  shell::MonitorCore& core = form_.core();
  if (auto* pos = forms.Form_InitialPos) {
    pos->setSendHandler([&] { return shell::SendInitialPosition(display, prompter, core.sender); });
    pos->setModeHandler([&display](int mode) { shell::ShowPositionMode(display, mode); });
    pos->setFileHandler([&] { shell::ReadPositionFile(display, prompter); });
  }
  if (auto* time = forms.Form_InitialTime) {
    time->setSetTimeHandler(
        [&core] { shell::SendPcTime(core.dispatcher.context().clock, core.sender); });
  }
}

// Each request button sends its timing request to the display port.
void WindowWiring::connectTimingPackets(const ui::SecondaryForms& forms) {
  if (!forms.Form_TimingPackets) return;
  commands::PacketSender& sender = form_.core().sender;
  forms.Form_TimingPackets->setRequestHandler([&sender](int subId, int mode) {
    const auto when = static_cast<commands::TimingRequestWhen>(mode);
    if (subId == 0xAB) {
      commands::RequestTimingPacketAB(sender, commands::DISPLAY_PORT, when);
    } else {
      commands::RequestTimingPacketAC(sender, commands::DISPLAY_PORT, when);
    }
  });
}

void WindowWiring::createChartWindows() {
  shell::MonitorCore& core = form_.core();
  ui::CreateSkyView(form_.display(), &form_, {core.history, core.reports, core.shell},
                    form_.prompter());
  ui::CreateStability(form_.display(), &form_, {core.clocks, core.shell}, form_.prompter());
}

}  // namespace navbin::app

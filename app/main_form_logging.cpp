// The main window hands the core's data log and raw packet log to their
// windows; the logs write Panel_LogStatus and Panel_Record themselves.

#include "app/main_form.h"
#include "ui/forms/log_form.h"
#include "ui/forms/log_format_form.h"
#include "ui/forms/log_navbin_form.h"

namespace navbin::app {

void TForm_Main::attachLogWindows(const ui::SecondaryForms& forms) {
  if (forms.Form_Log) {
    forms.Form_Log->attach(core_.dataLogger, core_.ports, core_.shell, core_.dataLog,
                           forms.Form_LogFormat, [this] { core_.multiPort.repaintPortPanels(); });
  }
  if (forms.Form_LogNavBin) forms.Form_LogNavBin->attach(core_.rawLog);
}

}  // namespace navbin::app

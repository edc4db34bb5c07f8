#pragma once
// The start-up of the application: the command line, the port plan, the
// port-selection dialog, the core and the windows, then the event loop.

#include "app/main_form.h"
#include "shell/startup.h"
#include "ui/widgets/widget_display.h"

namespace navbin::app {

// Start-up steps 6 to 8 on a main window over a core that has the plan
// applied: FormCreate (false when the display port cannot be opened; the
// message has been shown), the other windows hidden, the layout, the
// diagnostics menu. The window is not shown.
bool CreateWindows(TForm_Main& form, ui::WidgetDisplay& display, const shell::StartupPlan& plan);

// Runs the application; the exit status of the process.
int RunNavBinMonitor(int argc, char** argv);

}  // namespace navbin::app

#pragma once
// The start-up of the application: the command line, the port plan, the
// port-selection dialog, the core and the windows, then the event loop.

namespace navbin::app {

// Runs the application; the exit status of the process.
int RunNavBinMonitor(int argc, char** argv);

}  // namespace navbin::app

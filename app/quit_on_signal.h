#pragma once
// Ends the event loop cleanly on SIGINT and SIGTERM (Ctrl+C in a terminal,
// kill, the end of scripts/demo), so the main window closes its ports and log
// files as at a normal exit.

namespace navbin::app {

// Call once, after the QApplication exists.
void QuitOnSignals();

}  // namespace navbin::app

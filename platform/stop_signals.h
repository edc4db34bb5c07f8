#pragma once
// Ctrl+C and kill for the command-line programs: SIGINT and SIGTERM set a
// flag that the program's loop watches. The handler does not restart system
// calls, so a blocked read or poll returns at once and the loop sees the flag.

#include <csignal>

namespace navbin::platform {

// Installs the handler for SIGINT and SIGTERM.
void CatchStopSignals();

// Set once either signal arrived.
const volatile std::sig_atomic_t& StopFlag();
inline bool StopRequested() {
  return StopFlag() != 0;
}

}  // namespace navbin::platform

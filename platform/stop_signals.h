#pragma once
// Ctrl+C and kill for the command-line programs: SIGINT and SIGTERM (on
// Windows the console's Ctrl+C, Ctrl+Break and close events) set a flag that
// the program's loop watches. The handler does not restart system calls, so
// a blocked read or poll returns at once and the loop sees the flag.

#include <chrono>
#include <csignal>

namespace navbin::platform {

// Installs the handler for SIGINT and SIGTERM.
void CatchStopSignals();

// Set once either signal arrived.
const volatile std::sig_atomic_t& StopFlag();
inline bool StopRequested() {
  return StopFlag() != 0;
}

// Sleeps for `time`, or less when a stop arrives meanwhile.
void SleepUnlessStopped(std::chrono::milliseconds time);

}  // namespace navbin::platform

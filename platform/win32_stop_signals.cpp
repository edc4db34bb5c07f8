#include <windows.h>

#include "platform/stop_signals.h"

namespace navbin::platform {
namespace {

volatile std::sig_atomic_t gStop = 0;
HANDLE gStopEvent = nullptr;  // wakes SleepUnlessStopped

// Runs on a thread of its own that Windows starts for the event.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      gStop = 1;
      if (gStopEvent) ::SetEvent(gStopEvent);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void CatchStopSignals() {
  if (!gStopEvent) gStopEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

const volatile std::sig_atomic_t& StopFlag() {
  return gStop;
}

void SleepUnlessStopped(std::chrono::milliseconds time) {
  const auto ms = static_cast<DWORD>(time.count() < 0 ? 0 : time.count());
  if (gStopEvent) {
    ::WaitForSingleObject(gStopEvent, ms);
  } else {
    ::Sleep(ms);
  }
}

}  // namespace navbin::platform

#include "platform/stop_signals.h"

#include <poll.h>

namespace navbin::platform {
namespace {

volatile std::sig_atomic_t gStop = 0;

extern "C" void OnStopSignal(int) {
  gStop = 1;
}

}  // namespace

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

const volatile std::sig_atomic_t& StopFlag() {
  return gStop;
}

void SleepUnlessStopped(std::chrono::milliseconds time) {
  ::poll(nullptr, 0, static_cast<int>(time.count()));  // a signal ends it
}

}  // namespace navbin::platform

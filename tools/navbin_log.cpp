// navbin-log --port PATH [--port PATH]... [options]
//
// Unattended logging: the monitor cycle, data log and raw packet log of the
// application on up to 16 receivers, without a display, until SIGINT or
// SIGTERM. See --help.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/device_opener.h"
#include "platform/stop_signals.h"
#include "tools/log_options.h"
#include "tools/log_session.h"

#ifndef NAVBIN_VERSION
#define NAVBIN_VERSION "unknown"
#endif

int main(int argc, char** argv) {
  using namespace navbin;
  std::string error;
  const auto options =
      tools::ParseLogOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "navbin-log: %s\nTry 'navbin-log --help'.\n", error.c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(tools::LogUsage().c_str(), stdout);
    return 0;
  }
  if (options->version) {
    std::puts("navbin-log " NAVBIN_VERSION);
    return 0;
  }
  platform::CatchStopSignals();
  platform::DeviceOpener backend;
  tools::LogSession session(*options, backend, stderr);
  if (const int status = session.start(); status != 0) return status;
  session.run([] { return platform::StopRequested(); });
  session.finish();
  return 0;
}

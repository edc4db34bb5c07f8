// navbin-sim: simulated NavBin receivers on pseudo-terminals.

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/stop_signals.h"
#include "sim/sim_options.h"
#include "sim/sim_server.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  std::string error;
  const auto options = navbin::sim::ParseSimOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "navbin-sim: %s\n%s", error.c_str(), navbin::sim::SimUsage().c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(navbin::sim::SimUsage().c_str(), stdout);
    return 0;
  }
  navbin::platform::CatchStopSignals();
  std::signal(SIGPIPE, SIG_IGN);  // a write to a closed pipe fails instead of ending the program
  navbin::sim::SimServer server;
  if (!server.start(*options, error)) {
    std::fprintf(stderr, "navbin-sim: %s\n", error.c_str());
    return 1;
  }
  for (int i = 0; i < server.portCount(); ++i) std::printf("%s\n", server.slavePath(i).c_str());
  std::fflush(stdout);
  server.run(navbin::platform::StopFlag());
  return 0;
}

// navbin-sim: simulated NavBin receivers on pseudo-terminals.

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "sim/sim_options.h"
#include "sim/sim_server.h"

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnSignal(int) {
  gStop = 1;
}

void InstallHandlers() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

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
  InstallHandlers();
  navbin::sim::SimServer server;
  if (!server.start(*options, error)) {
    std::fprintf(stderr, "navbin-sim: %s\n", error.c_str());
    return 1;
  }
  for (int i = 0; i < server.portCount(); ++i) std::printf("%s\n", server.slavePath(i).c_str());
  std::fflush(stdout);
  server.run(gStop);
  return 0;
}

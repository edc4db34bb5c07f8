// navbin-sim: simulated NavBin receivers on pseudo-terminals, or a recording
// replayed on one as a live receiver.

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "link/recording_reader.h"
#include "platform/stop_signals.h"
#include "sim/replay_server.h"
#include "sim/sim_options.h"
#include "sim/sim_server.h"

namespace {

int Fail(const std::string& error) {
  std::fprintf(stderr, "navbin-sim: %s\n", error.c_str());
  return 1;
}

void PrintPath(const std::string& path) {
  std::printf("%s\n", path.c_str());
  std::fflush(stdout);
}

int Replay(const navbin::sim::SimOptions& options) {
  std::string error;
  auto reader = navbin::link::RecordingReader::Open(options.replayPath, error);
  if (!reader) return Fail(error);
  navbin::sim::ReplayServer server(*reader, options);
  if (!server.start(error)) return navbin::platform::StopRequested() ? 0 : Fail(error);
  PrintPath(server.slavePath());
  if (!server.run(navbin::platform::StopFlag(), error)) return Fail(error);
  return 0;
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
  if (options->version) {
    std::printf("navbin-sim %s\n", NAVBIN_VERSION);
    return 0;
  }
  navbin::platform::CatchStopSignals();
  std::signal(SIGPIPE, SIG_IGN);  // a write to a closed pipe fails instead of ending the program
  if (!options->replayPath.empty()) return Replay(*options);
  navbin::sim::SimServer server;
  if (!server.start(*options, error)) return Fail(error);
  for (int i = 0; i < server.portCount(); ++i) PrintPath(server.slavePath(i));
  server.run(navbin::platform::StopFlag());
  return 0;
}

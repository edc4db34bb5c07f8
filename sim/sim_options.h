#pragma once
// Command line of navbin-sim.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/satellite_data.h"

namespace navbin::sim {

struct SimOptions {
  int ports = 1;
  std::string linkPath;          // empty: no links
  std::uint64_t seed = 1;        // port i (0-based) uses seed + i
  std::vector<int> silentPorts;  // 1-based
  double noiseProbability = 0;
  double dropReplyProbability = 0;
  SatelliteDataOptions satelliteData;
  int startAfterSeconds = 0;  // the receivers are silent this long first
  int stopAfterSeconds = 0;   // 0: the receivers never fall silent
  // --tcp [ADDR:]PORT: receiver k listens on PORT+k-1 instead of a terminal.
  std::string tcpAddress = "127.0.0.1";
  int tcpPort = 0;  // 0: pseudo-terminals
  // --clock system: timing receivers on the PC's clock, their reports of
  // each second reportDelayMs after it begins; --pace: output at that baud.
  bool systemClock = false;
  int reportDelayMs = 30;
  int paceBaud = 0;  // 0: as fast as the line takes it
  bool help = false;
  bool version = false;

  // Replay of a raw packet log instead of simulated receivers.
  std::string replayPath;  // empty: no replay; "-": standard input
  double replaySpeed = 1;  // times faster than recorded; ignored with replayAsFast
  bool replayAsFast = false;
  bool replayLoop = false;

  static constexpr int kMaxPorts = 16;
};

// `args` without the program name. On bad arguments: nullopt and the reason
// in `error`.
std::optional<SimOptions> ParseSimOptions(std::span<const std::string_view> args,
                                          std::string& error);

std::string SimUsage();

// The link of port `index` (0-based): PATH, PATH1, PATH2, ...
std::string LinkPathOf(const std::string& linkPath, int index);

}  // namespace navbin::sim

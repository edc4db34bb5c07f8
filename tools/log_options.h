#pragma once
// Command line of navbin-log.

#include <optional>
#include <string>
#include <vector>

#include "logging/data_sets.h"
#include "platform/tcp_socket.h"
#include "tools/timing/time_options.h"

namespace navbin::tools {

struct LogOptions {
  std::vector<std::string> ports;  // device paths; the first is the display port
  std::string dataRoot = "data";   // file name root, or a folder for <folder>/data
  logging::DataSets sets = logging::DataSets().set(0);  // Time of Week only
  int interval = 1;                                     // seconds
  bool systemTimer = false;
  bool append = false;
  std::string rawFile;  // empty: no raw packet log
  bool quiet = false;
  // --serve: receiver k shared on TCP port serve->port + k - 1.
  std::optional<platform::ListenAddress> serve;
  bool allowCommands = false;  // clients' frames reach the receivers
  timing::TimeOptions time;    // the first port's time for chrony or ntpd
  // --metrics: the receivers' health for Prometheus at /metrics.
  std::optional<platform::ListenAddress> metrics;
  bool help = false;
  bool version = false;
};

inline constexpr int kMaxInterval = 604800;  // one GPS week

// `args` without the program name. On bad arguments: nothing, and the reason
// in `error`.
std::optional<LogOptions> ParseLogOptions(const std::vector<std::string>& args, std::string& error);

std::string LogUsage();

// The data sets of a --sets value: "all" as the logging window's All button
// leaves them, or names separated by commas. Nothing for an unknown name or
// two sets that exclude each other, with the reason in `error`.
std::optional<logging::DataSets> ParseDataSets(const std::string& text, std::string& error);

// The file name root the data log gets: `root` itself, or <root>/data when
// `root` names a folder (an existing one, or any path ending in '/').
std::string DataFileRoot(const std::string& root);

}  // namespace navbin::tools

#include "tools/log_options.h"

#include <sys/stat.h>

#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>

namespace navbin::tools {
namespace {

using logging::DataSet;

// --sets names, in record order.
constexpr std::array<std::string_view, logging::kDataSetCount> kSetNames{
    "tow", "bias",    "bias-rate", "levels", "lla",  "xyz",
    "enu", "vel-xyz", "mode",      "health", "dgps", "dops"};

// Sets that exclude each other, as the logging window's check boxes do.
constexpr std::array<std::pair<DataSet, DataSet>, 2> kExclusive{{
    {DataSet::PositionLla, DataSet::PositionXyz},
    {DataSet::VelocityEnu, DataSet::VelocityXyz},
}};

std::string NameOf(DataSet set) {
  return std::string(kSetNames[static_cast<std::size_t>(set)]);
}

std::string KnownNames() {
  std::string known = "all";
  for (std::string_view name : kSetNames) known += ", " + std::string(name);
  return known;
}

std::optional<int> ParseInterval(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > kMaxInterval) return std::nullopt;
  return static_cast<int>(value);
}

// Options that take a value, as "--name VALUE" or "--name=VALUE".
bool TakesValue(std::string_view name) {
  return name == "--port" || name == "--data" || name == "--sets" || name == "--interval" ||
         name == "--raw" || name == "--serve" || name == "--chrony-sock" || name == "--shm" ||
         name == "--time-offset" || name == "--pps" || name == "--pps-sock" || name == "--metrics";
}

bool Apply(LogOptions& o, const std::string& name, const std::string& value, std::string& error) {
  if (name == "--port") {
    if (value.empty()) {
      error = "--port needs a device path";
      return false;
    }
    for (const std::string& p : o.ports) {
      if (p == value) {
        error = "--port " + value + " is given twice";
        return false;
      }
    }
    o.ports.push_back(value);
  } else if (name == "--data") {
    if (value.empty()) {
      error = "--data needs a file name root or a folder";
      return false;
    }
    o.dataRoot = value;
  } else if (name == "--sets") {
    auto sets = ParseDataSets(value, error);
    if (!sets) return false;
    o.sets = *sets;
  } else if (name == "--interval") {
    auto interval = ParseInterval(value);
    if (!interval) {
      error = "--interval '" + value + "': give whole seconds from 1 to " +
              std::to_string(kMaxInterval);
      return false;
    }
    o.interval = *interval;
  } else if (name == "--raw") {
    if (value.empty()) {
      error = "--raw needs a file name";
      return false;
    }
    o.rawFile = value;
  } else if (name == "--chrony-sock" || name == "--pps" || name == "--pps-sock") {
    if (value.empty()) {
      error = name + " needs a path";
      return false;
    }
    (name == "--chrony-sock" ? o.time.chronySock
     : name == "--pps"       ? o.time.ppsDevice
                             : o.time.ppsSock) = value;
  } else if (name == "--shm") {
    int unit = -1;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), unit);
    if (ec != std::errc() || end != value.data() + value.size() || unit < 0 || unit > 254) {
      error = "--shm '" + value + "': give a unit from 0 to 254";
      return false;
    }
    o.time.shmUnit = unit;
  } else if (name == "--time-offset") {
    double ms = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), ms);
    if (ec != std::errc() || end != value.data() + value.size() || !(std::abs(ms) < 10000)) {
      error = "--time-offset '" + value + "': give milliseconds, below 10000";
      return false;
    }
    o.time.timeOffsetMs = ms;
  } else if (name == "--serve" || name == "--metrics") {
    auto& address = name == "--serve" ? o.serve : o.metrics;
    address = platform::ParseListenAddress(value);
    if (!address) {
      error = name + " '" + value + "': give [ADDRESS:]PORT, PORT from 1 to 65535";
      return false;
    }
  }
  return true;
}

bool ApplyFlag(LogOptions& o, const std::string& name) {
  if (name == "--system-timer") {
    o.systemTimer = true;
  } else if (name == "--append") {
    o.append = true;
  } else if (name == "--quiet") {
    o.quiet = true;
  } else if (name == "--allow-commands") {
    o.allowCommands = true;
  } else if (name == "--help" || name == "-h") {
    o.help = true;
  } else if (name == "--version") {
    o.version = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::optional<logging::DataSets> ParseDataSets(const std::string& text, std::string& error) {
  logging::DataSets sets;
  if (text == "all") {
    sets.set();
    for (const auto& [lost, kept] : kExclusive) sets.reset(static_cast<std::size_t>(lost));
    return sets;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string name = text.substr(start, comma - start);
    std::size_t i = 0;
    while (i < kSetNames.size() && kSetNames[i] != name) ++i;
    if (i == kSetNames.size()) {
      error = "--sets: unknown data set '" + name + "' (known: " + KnownNames() + ")";
      return std::nullopt;
    }
    sets.set(i);
    start = comma + 1;
  }
  for (const auto& [a, b] : kExclusive) {
    if (logging::Has(sets, a) && logging::Has(sets, b)) {
      error = "--sets: " + NameOf(a) + " and " + NameOf(b) + " exclude each other";
      return std::nullopt;
    }
  }
  return sets;
}

std::optional<LogOptions> ParseLogOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  LogOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (TakesValue(name)) {
      if (!value) {
        if (i + 1 >= args.size()) {
          error = name + " needs a value";
          return std::nullopt;
        }
        value = args[++i];
      }
      if (!Apply(o, name, *value, error)) return std::nullopt;
    } else if (value || !ApplyFlag(o, name)) {
      error =
          (name.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") + args[i] + "'";
      return std::nullopt;
    }
  }
  if (o.help || o.version) return o;
  if (o.ports.empty()) {
    error = "give at least one --port PATH";
    return std::nullopt;
  }
  if (o.ports.size() > 16) {
    error = "at most 16 ports (" + std::to_string(o.ports.size()) + " given)";
    return std::nullopt;
  }
  if (!o.time.any() && (!o.time.ppsDevice.empty() || !o.time.ppsSock.empty())) {
    error = "--pps and --pps-sock need --chrony-sock or --shm";
    return std::nullopt;
  }
  if (!o.time.ppsSock.empty() && o.time.ppsDevice.empty()) {
    error = "--pps-sock needs --pps";
    return std::nullopt;
  }
  if (o.allowCommands && !o.serve) {
    error = "--allow-commands needs --serve";
    return std::nullopt;
  }
  if (o.serve && o.serve->port + o.ports.size() - 1 > 65535) {
    error = "--serve: the last port's TCP port would be beyond 65535";
    return std::nullopt;
  }
  return o;
}

std::string DataFileRoot(const std::string& root) {
  struct stat info {};
  if (!root.empty() && root.back() == '/') return root + "data";
  if (::stat(root.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return root + "/data";
  return root;
}

std::string LogUsage() {
  return "usage: navbin-log --port PATH [--port PATH]... [options]\n"
         "Logs up to 16 receivers without a display: the monitor cycle of navbin-monitor\n"
         "(identification, auto-queries to the first port), one data log file per port\n"
         "and the raw packet log of the first port. Ends on SIGINT or SIGTERM.\n"
         "\n"
         "  --port PATH       a receiver's serial device, opened at 9600 8-O-1; the first\n"
         "                    is the display port (COM1), the next COM2 and so on; or a\n"
         "                    network port tcp://HOST:PORT or rfc2217://HOST:PORT\n"
         "  --data ROOT       file name root of the data logs: ROOT1.dat, ROOT2.dat, ...\n"
         "                    (default data); a folder gives FOLDER/data1.dat, ...\n"
         "  --sets LIST|all   data sets of a record, comma-separated, in record order:\n"
         "                    tow, bias, bias-rate, levels, lla or xyz, enu or vel-xyz,\n"
         "                    mode, health, dgps, dops; all = every set with xyz and\n"
         "                    vel-xyz (default tow)\n"
         "  --interval N      at least N seconds between two records of a port (default 1)\n"
         "  --system-timer    records paced by a one-second timer, not by position reports\n"
         "  --append          append to the data and raw log files instead of emptying them\n"
         "  --raw FILE.nvb    raw packet log of the first port\n"
         "  --serve [ADDR:]PORT  share receiver k as a raw byte stream on TCP port\n"
         "                    PORT+k-1 of ADDR (default 127.0.0.1), at most 16 clients\n"
         "                    each; a client that stops reading is cut off\n"
         "  --allow-commands  with --serve: whole frames from clients go to the receiver\n"
         "                    (otherwise what clients send is dropped)\n"
         "  --chrony-sock PATH  the first port's time, one sample a second, to chrony's\n"
         "                    SOCK reference clock at PATH (refclock SOCK PATH)\n"
         "  --shm UNIT        the same into the NTP shared-memory segment UNIT\n"
         "                    (refclock SHM UNIT; ntpd's 127.127.28.UNIT)\n"
         "  --time-offset MS  the receiver's report delay: how long after the second\n"
         "                    a report begins (default 0)\n"
         "  --pps DEVICE      the receiver's pulse on a kernel PPS device (/dev/ppsN):\n"
         "                    each pulse with its second on --shm UNIT+1 or --pps-sock\n"
         "  --pps-sock PATH   the pulse samples to a second chrony SOCK reference clock\n"
         "  --metrics [ADDR:]PORT  the receivers' health for Prometheus at\n"
         "                    http://ADDR:PORT/metrics (default address 127.0.0.1)\n"
         "  --quiet           no status line on standard error (otherwise one a minute:\n"
         "                    records and packets per port, ports silent or lost)\n"
         "  --help            this text\n"
         "  --version         the version\n"
         "\n"
         "Exit status: 0 when stopped by a signal, 2 for bad options or a port or log\n"
         "file that cannot be opened.\n";
}

}  // namespace navbin::tools

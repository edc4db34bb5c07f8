#include "sim/sim_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/tcp_socket.h"

namespace navbin::sim {

namespace {

template <class T>
bool ParseNumber(std::string_view text, T& out) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc{} && end == text.data() + text.size();
}

bool ParseProbability(std::string_view text, double& out) {
  const std::string copy(text);
  char* end = nullptr;
  const double v = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size() || !(v >= 0.0 && v <= 1.0)) return false;
  out = v;
  return true;
}

// "real" (as recorded), "max" (as fast as the reader takes it) or a factor.
bool ParseSpeed(std::string_view text, SimOptions& o) {
  if (text == "real" || text == "max") {
    o.replaySpeed = 1;
    o.replayAsFast = text == "max";
    return true;
  }
  const std::string copy(text);
  char* end = nullptr;
  const double v = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(v) || v <= 0) {
    return false;
  }
  o.replaySpeed = v;
  o.replayAsFast = false;
  return true;
}

bool Fail(std::string& error, std::string message) {
  error = std::move(message);
  return false;
}

bool ParseTcp(std::string_view text, SimOptions& o) {
  const auto address = platform::ParseListenAddress(text);
  if (!address) return false;
  o.tcpAddress = address->address;
  o.tcpPort = address->port;
  return true;
}

bool ApplyOption(SimOptions& o, std::string_view name, std::string_view value, std::string& error) {
  if (name == "--ports") {
    if (!ParseNumber(value, o.ports) || o.ports < 1 || o.ports > SimOptions::kMaxPorts) {
      return Fail(error, "--ports takes a number from 1 to 16");
    }
  } else if (name == "--link") {
    if (value.empty()) return Fail(error, "--link takes a path");
    o.linkPath = value;
  } else if (name == "--tcp") {
    if (!ParseTcp(value, o)) return Fail(error, "--tcp takes [ADDRESS:]PORT, PORT from 1 to 65535");
  } else if (name == "--replay") {
    if (value.empty()) return Fail(error, "--replay takes a file, or - for standard input");
    o.replayPath = value;
  } else if (name == "--speed") {
    if (!ParseSpeed(value, o)) {
      return Fail(error, "--speed takes real, max or a factor above 0 (e.g. 10)");
    }
  } else if (name == "--seed") {
    if (!ParseNumber(value, o.seed)) return Fail(error, "--seed takes a non-negative integer");
  } else if (name == "--silent") {
    int k = 0;
    if (!ParseNumber(value, k) || k < 1) return Fail(error, "--silent takes a port number from 1");
    o.silentPorts.push_back(k);
  } else if (name == "--noise") {
    if (!ParseProbability(value, o.noiseProbability)) {
      return Fail(error, "--noise takes a probability from 0 to 1");
    }
  } else if (name == "--drop") {
    if (!ParseProbability(value, o.dropReplyProbability)) {
      return Fail(error, "--drop takes a probability from 0 to 1");
    }
  } else if (name == "--pace") {
    // One line for everything: the output's pace and the satellite-data replies' waits.
    if (!ApplySatelliteDataOption(o.satelliteData, name, value, error)) return false;
    o.paceBaud = o.satelliteData.paceBaud;
  } else if (IsSatelliteDataOption(name) || IsSatelliteDataFlag(name)) {
    return ApplySatelliteDataOption(o.satelliteData, name, value, error);
  } else if (name == "--start-after") {
    if (!ParseNumber(value, o.startAfterSeconds) || o.startAfterSeconds < 0) {
      return Fail(error, "--start-after takes a number of seconds");
    }
  } else if (name == "--clock") {
    if (value != "system") return Fail(error, "--clock takes system");
    o.systemClock = true;
  } else if (name == "--report-delay") {
    if (!ParseNumber(value, o.reportDelayMs) || o.reportDelayMs < 0 || o.reportDelayMs > 900) {
      return Fail(error, "--report-delay takes milliseconds from 0 to 900");
    }
  } else if (name == "--stop-after") {
    if (!ParseNumber(value, o.stopAfterSeconds) || o.stopAfterSeconds < 1) {
      return Fail(error, "--stop-after takes a number of seconds from 1");
    }
  } else {
    return Fail(error, "unknown option " + std::string(name));
  }
  return true;
}

bool TakesValue(std::string_view name) {
  return name == "--ports" || name == "--link" || name == "--tcp" || name == "--seed" ||
         name == "--clock" || name == "--report-delay" || name == "--pace" || name == "--silent" ||
         name == "--replay" || name == "--speed" || name == "--noise" || name == "--drop" ||
         name == "--start-after" || name == "--stop-after" || IsSatelliteDataOption(name);
}

// A replay serves one recorded line: the receivers' options do not apply.
bool CheckReplayOptions(const SimOptions& o, bool speedGiven, const std::string& receiverOption,
                        std::string& error) {
  if (o.replayPath.empty()) {
    if (speedGiven || o.replayLoop) return Fail(error, "--speed and --loop go with --replay");
    return true;
  }
  if (!receiverOption.empty()) {
    return Fail(error, receiverOption + " is for simulated receivers, not for --replay");
  }
  if (o.replayLoop && o.replayPath == "-") {
    return Fail(error, "--loop cannot start standard input again: give a file");
  }
  return true;
}

}  // namespace

std::optional<SimOptions> ParseSimOptions(std::span<const std::string_view> args,
                                          std::string& error) {
  SimOptions o;
  bool speedGiven = false;
  std::string receiverOption;  // the first option that only simulated receivers take
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      o.help = true;
      continue;
    }
    if (arg == "--version") {
      o.version = true;
      continue;
    }
    if (arg == "--loop") {
      o.replayLoop = true;
      continue;
    }
    if (IsSatelliteDataFlag(arg)) {
      ApplySatelliteDataOption(o.satelliteData, arg, {}, error);
      if (receiverOption.empty()) receiverOption = arg;
      continue;
    }
    std::string_view name = arg;
    std::string_view value;
    if (const auto eq = arg.find('='); eq != std::string_view::npos && arg.starts_with("--")) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
    } else if (TakesValue(arg)) {
      if (i + 1 >= args.size()) {
        error = std::string(arg) + " needs a value";
        return std::nullopt;
      }
      value = args[++i];
    } else {
      error = "unknown argument " + std::string(arg);
      return std::nullopt;
    }
    if (!ApplyOption(o, name, value, error)) return std::nullopt;
    speedGiven = speedGiven || name == "--speed";
    if (receiverOption.empty() && name != "--link" && name != "--replay" && name != "--speed") {
      receiverOption = name;
    }
  }
  if (!CheckReplayOptions(o, speedGiven, receiverOption, error)) return std::nullopt;
  if (o.tcpPort != 0 && (!o.linkPath.empty() || !o.replayPath.empty())) {
    error = "--tcp serves simulated receivers, without --link or --replay";
    return std::nullopt;
  }
  if (o.tcpPort + o.ports - 1 > 65535) {
    error = "--tcp: the last receiver's port would be beyond 65535";
    return std::nullopt;
  }
  for (int k : o.silentPorts) {
    if (k > o.ports) {
      error = "--silent " + std::to_string(k) + " names a port beyond --ports";
      return std::nullopt;
    }
  }
  return o;
}

std::string SimUsage() {
  return "Usage: navbin-sim [--ports N] [--link PATH | --tcp [ADDR:]PORT] [--seed S]\n"
         "                  [--silent K]...\n"
         "                  [--noise P] [--drop P] [--start-after S]\n"
         "                  [--stop-after S] [--clock system [--report-delay MS]]\n"
         "                  [--pace BAUD] [satellite-data options]\n"
         "       navbin-sim --replay FILE|- [--speed real|max|N] [--loop] [--link PATH]\n"
         "       navbin-sim --help | --version\n"
         "Simulated NavBin receivers on pseudo-terminals or TCP ports. Prints the\n"
         "device path or URL of each receiver on its own line, then serves until\n"
         "interrupted.\n"
         "  --ports N    receivers to simulate, 1 to 16 (default 1)\n"
         "  --link PATH  symbolic links PATH, PATH1, PATH2 ... to the devices\n"
         "  --tcp [ADDR:]PORT  receiver k on TCP port PORT+k-1 of ADDR (default\n"
         "               127.0.0.1) instead of a pseudo-terminal; prints tcp://ADDR:PORT\n"
         "               per receiver. One client each: a new one replaces the old\n"
         "  --seed S     seed of the first receiver; receiver i uses S+i (default 1)\n"
         "  --silent K   receiver K (from 1) never answers; may be repeated\n"
         "  --noise P    chance of noise bytes before each frame (default 0)\n"
         "  --drop P     chance that an answer is lost (default 0)\n"
         "  --start-after S  the receivers are silent for the first S seconds\n"
         "  --stop-after S   S seconds after they began the receivers fall silent\n"
         "               (the devices stay open) and the reports each sent since it\n"
         "               began go to standard error\n"
         "  --clock system  timing receivers whose time is the PC's clock (GPS time is\n"
         "               UTC + 18 s), broadcasting 0x8F-AB and 0x8F-AC first each second\n"
         "  --report-delay MS  with --clock system: the reports of each second begin\n"
         "               MS after it (default 30)\n"
         "  --pace BAUD  all output leaves at that line rate (11 bits a character)\n" +
         SatelliteDataUsage() +
         "Replay of a raw packet log (.nvb) as a live receiver on one device, from\n"
         "the moment a program opens it; commands sent to it are read and ignored:\n"
         "  --replay FILE  the recording; - reads it from standard input\n"
         "  --speed real   as long as the recording took, paced by its time reports\n"
         "                 (0x41, 0x8F-AB), else by a 9600 baud line (default)\n"
         "  --speed N      N times faster (N above 0, e.g. 10 or 0.5)\n"
         "  --speed max    as fast as the reader takes the bytes\n"
         "  --loop         start again at the end; without it the program exits\n"
         "                 after the last packet, once the reader has taken it\n"
         "  --help         this text\n"
         "  --version      the program's version\n";
}

std::string LinkPathOf(const std::string& linkPath, int index) {
  return index == 0 ? linkPath : linkPath + std::to_string(index);
}

}  // namespace navbin::sim

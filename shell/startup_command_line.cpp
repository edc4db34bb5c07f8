#include <cstddef>

#include "shell/decimal_text.h"
#include "shell/startup.h"

namespace navbin::shell {

namespace {

// Long options that take a value, as "--name VALUE" or "--name=VALUE".
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               std::string& value, CommandLine& out) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size()) {
      out.errors.push_back(name + " needs a value");
      value.clear();
      return true;
    }
    value = args[++i];
    return true;
  }
  if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
      arg[name.size()] == '=') {
    value = arg.substr(name.size() + 1);
    return true;
  }
  return false;
}

// Returns true when `args[i]` (and perhaps its value) was a long option.
bool ReadLongOption(const std::vector<std::string>& args, std::size_t& i, CommandLine& out) {
  const std::string& arg = args[i];
  if (arg.size() < 3 || arg[0] != '-' || arg[1] != '-') return false;
  std::string value;
  if (arg == "--help") {
    out.help = true;
  } else if (arg == "--version") {
    out.version = true;
  } else if (arg == "--open-all") {
    out.openAll = true;
  } else if (TakeValue(args, i, "--port", value, out)) {
    if (!value.empty()) out.extraPorts.push_back(value);
  } else if (TakeValue(args, i, "--grab-after", value, out)) {
    const auto ms = ScanDecimal(value);
    if (ms && *ms >= 0) {
      out.grabAfterMs = *ms;
    } else {
      out.errors.push_back("--grab-after needs a number of milliseconds");
    }
  } else if (TakeValue(args, i, "--grab", value, out)) {
    out.grabFile = value;
  } else {
    out.errors.push_back("unknown option " + arg);
  }
  return true;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (ReadLongOption(args, i, out)) continue;
    const std::string& arg = args[i];
    // Only the second character counts: "-e" and "/e" alike; "e" alone sets nothing.
    if (arg.size() < 2) continue;
    switch (arg[1]) {
      case 'e':
        out.enableAll = true;
        break;
      case 'd':
        out.diagnostics = true;
        break;
      case 'm':
        out.multiPort = true;
        break;
      case 'c':
        if (!out.hasPortArgument) {
          out.hasPortArgument = true;
          out.portArgument = arg.substr(2);
        }
        break;
      default:
        break;
    }
  }
  return out;
}

PortArgument ReadPortArgument(const std::string& text) {
  PortArgument result;
  if (text.find('/') != std::string::npos) {
    result.path = text;
  } else {
    result.com = ScanDecimal(text).value_or(0);
  }
  return result;
}

std::string UsageText() {
  return "Usage: navbin-monitor [options]\n"
         "  -c<N>            use COM<N> (1..16) as the display port, without asking\n"
         "  -c<PATH>         use the serial device PATH as the display port\n"
         "  -c<URL>          use the network port tcp://HOST:PORT (raw) or\n"
         "                   rfc2217://HOST:PORT (Telnet, line settings passed on)\n"
         "  -e               list all 16 ports, without looking for devices\n"
         "  -d               show the Diagnostics menu\n"
         "  -m               start in the multi-port layout\n"
         "  --port PATH      add the serial device PATH to the port list (repeatable);\n"
         "                   a network port URL is taken too\n"
         "  --open-all       open and monitor every listed port once the window is up\n"
         "  --grab FILE      save a picture of the main window as PNG, then quit\n"
         "  --grab-after MS  milliseconds of running before --grab (default 3000)\n"
         "  --help           show this text\n"
         "  --version        show the version\n"
         "Options are recognised by their second character: -e and /e are the same.\n"
         "Devices and network ports get a COM number that stays the same from run to run.\n"
         "Environment: NAVBIN_MESSAGE_BOXES=stderr prints message boxes to standard\n"
         "error and answers them at once instead of waiting for a click;\n"
         "NAVBIN_STATE_LOG=FILE appends the main window's status row to FILE every 100 ms.\n";
}

}  // namespace navbin::shell

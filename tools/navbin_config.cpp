// navbin-config save|diff|restore --port PATH|URL [--baud RATE] [--timeout MS] [--flash] FILE.json
//
// A receiver's settings saved to a JSON file, compared with one, or restored
// from one and read back. A file is read and checked whole before anything
// is sent.

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "config/device_link.h"
#include "config/settings_file.h"
#include "config/settings_procedure.h"
#include "config/text_file.h"
#include "platform/device_opener.h"
#include "protocol/commands/line_codes.h"

#ifndef NAVBIN_VERSION
#define NAVBIN_VERSION "unknown"
#endif

namespace {

namespace config = navbin::config;

constexpr int kNotAsFile = 1;  // differences, refusals or groups without an answer
constexpr int kUnusable = 2;   // bad command line, file or port

constexpr const char* kUsage =
    "usage: navbin-config save|diff|restore --port PATH|URL [options] FILE.json\n"
    "  save           read every settings group and write them to FILE.json\n"
    "  diff           print each field where the receiver differs from FILE.json\n"
    "  restore        send FILE.json's groups, read them back and compare\n"
    "  --port PATH    the receiver: a device path, tcp://HOST:PORT or rfc2217://HOST:PORT\n"
    "  --baud RATE    the line's speed now (default 9600; always 8 data bits, odd parity, 1 stop)\n"
    "  --timeout MS   how long to wait for each report (default 2000)\n"
    "  --flash        after a restore the receiver reports in full, save it to flash\n"
    "  --help         this text\n"
    "  --version      the program's version\n";

struct Options {
  std::string command;
  std::string port;
  std::string file;
  navbin::link::LineSettings line{7, 3, 1, 0};
  std::chrono::milliseconds timeout = config::SettingsProcedure::kDefaultTimeout;
  bool flash = false;
};

int Fail(const std::string& what, const std::string& why, int code) {
  std::fprintf(stderr, "navbin-config: %s: %s\n", what.c_str(), why.c_str());
  return code;
}

bool Number(const std::string& text, long& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

std::optional<std::uint8_t> BaudCodeOf(long rate) {
  for (int code = 1; code < 16; ++code) {
    if (navbin::commands::BaudRateOfCode(code) == static_cast<std::uint32_t>(rate)) {
      return static_cast<std::uint8_t>(code);
    }
  }
  return std::nullopt;
}

// Nothing, with the reason in `error`, for a bad command line.
std::optional<Options> Parse(int argc, char** argv, std::string& error) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 < argc) return argv[++i];
      error = arg + " needs a value";
      return std::nullopt;
    };
    long n = 0;
    if (arg == "--port") {
      const auto v = value();
      if (!v) return std::nullopt;
      o.port = *v;
    } else if (arg == "--baud") {
      const auto v = value();
      if (!v) return std::nullopt;
      const auto code = Number(*v, n) ? BaudCodeOf(n) : std::nullopt;
      if (!code) return error = "--baud '" + *v + "': not a speed the receiver knows", std::nullopt;
      o.line.baudCode = *code;
    } else if (arg == "--timeout") {
      const auto v = value();
      if (!v) return std::nullopt;
      if (!Number(*v, n) || n <= 0 || n > 600000) {
        return error = "--timeout '" + *v + "': give milliseconds, 1 to 600000", std::nullopt;
      }
      o.timeout = std::chrono::milliseconds(n);
    } else if (arg == "--flash") {
      o.flash = true;
    } else if (arg.starts_with("-")) {
      return error = "unknown option '" + arg + "'", std::nullopt;
    } else if (o.command.empty()) {
      if (arg != "save" && arg != "diff" && arg != "restore") {
        return error = "unknown command '" + arg + "'", std::nullopt;
      }
      o.command = arg;
    } else if (o.file.empty()) {
      o.file = arg;
    } else {
      return error = "unexpected argument '" + arg + "'", std::nullopt;
    }
  }
  if (o.command.empty()) return error = "give a command: save, diff or restore", std::nullopt;
  if (o.port.empty()) return error = "give --port PATH", std::nullopt;
  if (o.file.empty()) return error = "give the settings file", std::nullopt;
  if (o.flash && o.command != "restore") return error = "--flash goes with restore", std::nullopt;
  return o;
}

int NameUnanswered(const std::vector<std::string>& unanswered) {
  for (const std::string& group : unanswered) Fail(group, "no answer", 0);
  return unanswered.empty() ? 0 : kNotAsFile;
}

int Save(const Options& o, config::SettingsProcedure& procedure) {
  std::vector<std::string> unanswered;
  const config::SettingsSnapshot snapshot = procedure.read(unanswered);
  const std::string previous = config::ReadTextFile(o.file).value_or("");
  if (!config::WriteTextFile(o.file, config::WriteSettingsFile(snapshot, previous))) {
    return Fail(o.file, "cannot write the file", kUnusable);
  }
  return NameUnanswered(unanswered);
}

int Diff(const config::SettingsSnapshot& file, config::SettingsProcedure& procedure) {
  std::vector<std::string> unanswered;
  const config::SettingsSnapshot receiver = procedure.read(unanswered, &file);
  const auto differences = config::Differences(file, receiver);
  for (const config::Difference& d : differences) std::printf("%s\n", d.line().c_str());
  std::fflush(stdout);
  const int unansweredCode = NameUnanswered(unanswered);
  return differences.empty() ? unansweredCode : kNotAsFile;
}

int Restore(const Options& o, const config::SettingsSnapshot& file,
            config::SettingsProcedure& procedure) {
  bool allConfirmed = true;
  for (const config::GroupResult& r : procedure.restore(file)) {
    std::printf("%s: %s\n", r.group.c_str(), std::string(config::OutcomeText(r.outcome)).c_str());
    for (const config::Difference& d : r.differences) std::printf("  %s\n", d.line().c_str());
    allConfirmed = allConfirmed && r.outcome == config::GroupOutcome::Confirmed;
  }
  std::fflush(stdout);
  if (!allConfirmed) return kNotAsFile;
  if (!o.flash) return 0;
  if (!procedure.saveToFlash()) return Fail("save to flash", "no answer", kNotAsFile);
  std::printf("saved to flash\n");
  return 0;
}

int Run(const Options& o) {
  std::optional<config::SettingsSnapshot> file;
  if (o.command != "save") {
    const auto text = config::ReadTextFile(o.file);
    if (!text) return Fail(o.file, "cannot read the file", kUnusable);
    std::string error;
    file = config::ReadSettingsFile(*text, error);
    if (!file) return Fail(o.file, error, kUnusable);
  }
  navbin::platform::DeviceOpener opener;
  const auto device = opener.open(o.port);
  if (!device) return Fail(o.port, navbin::platform::OpenErrorText(opener.lastError()), kUnusable);
  config::DeviceLink link(*device, o.line);
  config::SettingsProcedure procedure(link, o.timeout);
  if (o.command == "save") return Save(o, procedure);
  if (o.command == "diff") return Diff(*file, procedure);
  return Restore(o, *file, procedure);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return std::fputs(kUsage, stdout), 0;
    if (arg == "--version") return std::puts("navbin-config " NAVBIN_VERSION), 0;
  }
  std::string error;
  const auto options = Parse(argc, argv, error);
  if (!options) {
    std::fprintf(stderr, "navbin-config: %s\n%s", error.c_str(), kUsage);
    return kUnusable;
  }
  return Run(*options);
}

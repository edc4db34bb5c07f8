// navbin-dump [--json] FILE|-|DEVICE|tcp://HOST:PORT|rfc2217://HOST:PORT
//
// Prints every complete packet of a raw NavBin stream, one line each: a raw
// packet log or capture file, standard input, or a serial device or network
// port read live at 9600 8-O-1 until it goes away or the user presses Ctrl+C.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/device_opener.h"
#include "platform/file_flags.h"
#include "platform/native_backends.h"
#include "platform/network_address.h"
#include "platform/standard_streams.h"
#include "platform/stop_signals.h"
#include "tools/packet_printer.h"

namespace {

using navbin::platform::OpenError;
using navbin::platform::OpenErrorText;
using navbin::tools::PacketPrinter;

void WriteOut(std::string_view lines) {
  std::fwrite(lines.data(), 1, lines.size(), stdout);
  std::fflush(stdout);
}

int Fail(const std::string& name, const char* why) {
  std::fprintf(stderr, "navbin-dump: %s: %s\n", name.c_str(), why);
  return 1;
}

// Reads a file or pipe to its end. A stream that stops inside a frame simply
// ends there.
int DumpStream(int fd, const std::string& name, PacketPrinter& printer) {
  std::uint8_t buffer[64 * 1024];
  while (!navbin::platform::StopRequested()) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(name, std::strerror(errno));
    }
    printer.feed(buffer, static_cast<std::size_t>(n));
  }
  return 0;
}

// Reads until the device goes away. False when it went away before it gave
// a single byte (a network port that never answered).
bool DumpDevice(navbin::platform::SerialDevice& device, PacketPrinter& printer) {
  device.setLineParameters(navbin::platform::LineParameters{9600, 8, 1, 0});
  std::uint8_t buffer[8192];
  bool gotAny = false;
  while (!navbin::platform::StopRequested() && !device.lost()) {
    if (!device.waitForInput(250)) continue;
    const long n = device.read(buffer, sizeof buffer);
    if (n < 0) break;
    gotAny = gotAny || n > 0;
    printer.feed(buffer, static_cast<std::size_t>(n));
  }
  return gotAny || !device.lost();
}

int DumpNetworkPort(const std::string& path, bool json) {
  navbin::platform::DeviceOpener opener;
  auto device = opener.open(path);
  if (!device) return Fail(path, OpenErrorText(opener.lastError()));
  PacketPrinter printer(json, true, WriteOut);
  return DumpDevice(*device, printer) ? 0 : Fail(path, "no connection");
}

int Usage() {
  std::fprintf(stderr,
               "usage: navbin-dump [--json] FILE|-|DEVICE|tcp://HOST:PORT|rfc2217://HOST:PORT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--json") {
      json = true;
    } else if (arg == "-h" || arg == "--help") {
      Usage();
      return 0;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage();
    } else if (path.empty()) {
      path = arg;
    } else {
      return Usage();
    }
  }
  if (path.empty()) return Usage();
  navbin::platform::CatchStopSignals();
  navbin::platform::UseBinaryStandardStreams();

  if (path == "-") {
    PacketPrinter printer(json, false, WriteOut);
    return DumpStream(STDIN_FILENO, "standard input", printer);
  }
  if (navbin::platform::IsNetworkPath(path)) return DumpNetworkPort(path, json);
  if (navbin::platform::MayBeSerialPort(path)) {
    const auto backend = navbin::platform::MakeSerialPortBackend();
    if (auto device = backend->open(path)) {
      PacketPrinter printer(json, true, WriteOut);
      DumpDevice(*device, printer);
      return 0;
    }
    // Character devices that are not terminals are read like files.
    if (backend->lastError() != OpenError::NotATerminal) {
      return Fail(path, OpenErrorText(backend->lastError()));
    }
  }
  const int fd = ::open(path.c_str(), navbin::platform::kOpenReadBytes);
  if (fd < 0) return Fail(path, std::strerror(errno));
  PacketPrinter printer(json, false, WriteOut);
  const int result = DumpStream(fd, path, printer);
  ::close(fd);
  return result;
}

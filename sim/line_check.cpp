#include "sim/line_check.h"

#include <termios.h>

namespace navbin::sim {

namespace {

speed_t SpeedOfCode(int code) {
  switch (code) {
    case 1:
      return B110;
    case 2:
      return B300;
    case 3:
      return B600;
    case 4:
      return B1200;
    case 5:
      return B2400;
    case 6:
      return B4800;
    case 0:
    case 7:
      return B9600;
    case 8:
      return B19200;
    case 9:
      return B38400;
    default:
      return B0;
  }
}

tcflag_t SizeOfCode(int code) {
  constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
  return code >= 0 && code <= 3 ? kSizes[code] : CSIZE + 1;
}

}  // namespace

bool LineAgrees(const SerialConfig& line, int fd) {
  termios t{};
  if (fd < 0 || ::tcgetattr(fd, &t) != 0) return false;
  if (cfgetospeed(&t) != SpeedOfCode(line.inputBaud)) return false;
  if ((t.c_cflag & CSIZE) != SizeOfCode(line.dataBits)) return false;
  const bool odd = (t.c_cflag & PARODD) != 0;
  if (odd != (line.parity == 1)) return false;
  // A pseudo-terminal clears the parity enable (and forces 8 data bits)
  // whatever the monitor asks; only a real terminal tells none from even.
  const bool parity = (t.c_cflag & PARENB) != 0;
  if (parity && line.parity == 0) return false;
  return ((t.c_cflag & CSTOPB) != 0) == (line.stopBits != 0);
}

}  // namespace navbin::sim

#pragma once
// The serial devices the operating system has, found in sysfs: every
// /sys/class/tty/<name> with a "device" entry that is a USB serial adapter
// (ttyUSB*), a USB modem-class device (ttyACM*) or a ttyS port with a real
// UART behind it. Built-in ttyS entries without hardware (UART type 0) are
// skipped, as are consoles, virtual terminals and pseudo-terminals.

#include <string>
#include <vector>

namespace navbin::platform {

struct SerialEnumerationRoots {
  std::string sysClassTty = "/sys/class/tty";  // where the tty entries are listed
  std::string dev = "/dev";                    // where their device nodes are
};

// Device paths ("/dev/ttyUSB0"), in natural order of their names: ttyACM*,
// then ttyS*, then ttyUSB*, each by number (ttyS2 before ttyS10). Empty when
// the sysfs folder cannot be read.
std::vector<std::string> EnumerateSerialDevices(const SerialEnumerationRoots& roots = {});

// True for a tty name this enumeration considers at all (ttyS, ttyUSB, ttyACM
// followed by a number).
bool IsSerialTtyName(const std::string& name);

}  // namespace navbin::platform

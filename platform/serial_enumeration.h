#pragma once
// The serial devices the operating system has.
//
// On POSIX they are found in sysfs: every /sys/class/tty/<name> with a
// "device" entry that is a USB serial adapter (ttyUSB*), a USB modem-class
// device (ttyACM*) or a ttyS port with a real UART behind it. Built-in ttyS
// entries without hardware (UART type 0) are skipped, as are consoles,
// virtual terminals and pseudo-terminals.
//
// On Windows they are the values of HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, whose
// data name the ports ("COM3").

#include <string>
#include <vector>

namespace navbin::platform {

struct SerialEnumerationRoots {
  std::string sysClassTty = "/sys/class/tty";  // where the tty entries are listed
  std::string dev = "/dev";                    // where their device nodes are
};

// Device paths: on POSIX "/dev/ttyUSB0", in natural order of their names:
// ttyACM*, then ttyS*, then ttyUSB*, each by number (ttyS2 before ttyS10),
// empty when the sysfs folder cannot be read; on Windows "COM3", by number,
// COM1 to COM16 (the roots are not used there).
std::vector<std::string> EnumerateSerialDevices(const SerialEnumerationRoots& roots = {});

// True for a tty name this enumeration considers at all (ttyS, ttyUSB, ttyACM
// followed by a number).
bool IsSerialTtyName(const std::string& name);

// The COM numbers of Windows port names ("COM4", "COM1", "COM20", "COM3"),
// ascending, without those above `maxPort` and names that are not COM and a
// number: 1, 3, 4 for the example and a maximum of 16.
std::vector<int> ComNumbersOf(const std::vector<std::string>& names, int maxPort);

}  // namespace navbin::platform

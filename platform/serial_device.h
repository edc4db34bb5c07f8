#pragma once
// The operating-system side of one serial port: a non-blocking byte pipe with
// line settings. The POSIX terminal device implements it for real ports; an
// in-memory device implements it for tests.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace navbin::platform {

// Line settings in the form the channel hands to the driver: a baud rate in
// bits per second, 5 to 8 data bits, parity 0 none / 1 odd / 2 even, stop bits
// 0 for one and 2 for two.
struct LineParameters {
  std::uint32_t baud = 9600;
  int byteSize = 8;
  int parity = 1;
  int stopBits = 0;
};

class SerialDevice {
 public:
  virtual ~SerialDevice() = default;

  // Clears pending line errors and returns the bytes waiting in the input
  // queue, or -1 once the device has gone away.
  virtual long pendingInput() = 0;

  // Reads up to `max` bytes without waiting. Returns the count read (possibly
  // 0), or -1 once the device has gone away.
  virtual long read(std::uint8_t* buffer, std::size_t max) = 0;

  // Hands one whole frame to the device without waiting. What the driver does
  // not take at once is queued and sent in order by later flushOutput() calls.
  // Returns false when the frame was dropped whole (queue full, device gone).
  virtual bool write(const std::uint8_t* frame, std::size_t length) = 0;

  // Moves queued output to the driver without waiting.
  virtual void flushOutput() = 0;

  // Applies line settings; false when the driver refuses them.
  virtual bool setLineParameters(const LineParameters& line) = 0;

  // Drops everything queued in both directions.
  virtual void purge() = 0;

  // True once a read or write found the device gone (unplugged, far side of a
  // pseudo-terminal closed).
  virtual bool lost() const = 0;

  // Waits up to `timeoutMs` for input (0: do not wait). True when input is
  // waiting; false on time-out or once the device is gone. Devices that cannot
  // wait answer at once.
  virtual bool waitForInput(int timeoutMs) {
    (void)timeoutMs;
    return pendingInput() > 0;
  }

  // The descriptor that becomes readable when input arrives, for a program
  // that waits on many at once; -1 when there is none (yet).
  virtual int pollFd() const { return -1; }
};

enum class OpenError {
  None,
  NotFound,
  PermissionDenied,
  Busy,
  NotATerminal,
  Refused,
  NotAvailable,  // a kind of port the Windows build does not have
  Other
};

// A few words on why an open failed, for the command-line programs.
inline const char* OpenErrorText(OpenError error) {
  switch (error) {
    case OpenError::NotFound:
      return "no such device";
    case OpenError::PermissionDenied:
      return "permission denied";
    case OpenError::Busy:
      return "device is in use";
    case OpenError::NotATerminal:
      return "not a terminal";
    case OpenError::Refused:
      return "connection refused";
    case OpenError::NotAvailable:
      return "not available on Windows";
    default:
      return "cannot open the device";
  }
}

// Opens devices by path. Every open is exclusive: a second open of a device
// that is already held (by this program or another) fails with Busy.
class SerialBackend {
 public:
  virtual ~SerialBackend() = default;
  virtual std::unique_ptr<SerialDevice> open(const std::string& path) = 0;
  // Why the last open failed.
  virtual OpenError lastError() const = 0;
  // A cheap look whether a device is at `path` (no open); backends that
  // cannot tell answer true and let the open decide.
  virtual bool exists(const std::string& path) const {
    (void)path;
    return true;
  }
};

}  // namespace navbin::platform

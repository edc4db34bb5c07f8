#pragma once
// Serial ports on Windows: "COM3" (or "\\.\COM3") opened exclusively for
// overlapped I/O, with driver queues of 4096 bytes each way and read
// time-outs that make every read return at once with what the driver holds.
// Writes never wait: a frame goes to the driver as one overlapped write, and
// what follows while it is under way waits in a bounded per-port queue for
// later flushOutput() calls. The line never gets a break condition. A port
// this program holds is refused to its second open before Windows is asked,
// since not every driver (nor Wine) keeps a device's opens exclusive.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/byte_queue.h"
#include "platform/serial_device.h"

namespace navbin::platform {

// The device name CreateFileA takes for a port name: "\\.\COM12" for "COM12"
// (the only form that reaches ports above 9), a name already in that form
// as it is.
std::string Win32DeviceName(const std::string& path);

// Writes the line settings into a device control block read from the driver:
// speed, size, parity (checked), stop bits; DTR and RTS raised; no hardware
// or XON/XOFF flow control, XON 0x11 and XOFF 0x13 at 100 bytes. Every other
// field (error, end-of-file and event characters, abort on error) keeps the
// driver's value. False for settings outside the receiver's codes.
bool ApplyLineParameters(DCB& dcb, const LineParameters& line);

// The OpenError of a Win32 error code from CreateFileA.
OpenError OpenErrorFromWin32(DWORD error);

class Win32SerialDevice final : public SerialDevice {
 public:
  static constexpr std::size_t kOutputQueueCapacity = 64 * 1024;

  // Takes ownership of an open, configured port handle; `deviceName` is held
  // for this program while the device lives.
  Win32SerialDevice(HANDLE port, std::string deviceName);
  ~Win32SerialDevice() override;
  Win32SerialDevice(const Win32SerialDevice&) = delete;
  Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

  long pendingInput() override;
  long read(std::uint8_t* buffer, std::size_t max) override;
  bool write(const std::uint8_t* frame, std::size_t length) override;
  void flushOutput() override;
  bool setLineParameters(const LineParameters& line) override;
  void purge() override;
  bool lost() const override { return lost_; }
  bool waitForInput(int timeoutMs) override;

 private:
  // True once the write under way, if any, has finished (its buffer free).
  bool writeDone();
  // Cancels the write under way and waits for the driver to let go of it.
  void abandonWrite();
  void markLost();

  HANDLE port_;
  std::string deviceName_;
  HANDLE readEvent_;
  HANDLE writeEvent_;
  OVERLAPPED writeIo_{};
  std::vector<std::uint8_t> writing_;  // the bytes of the write under way
  bool lost_ = false;
  ByteQueue queue_{kOutputQueueCapacity};
};

class Win32SerialBackend final : public SerialBackend {
 public:
  // Opens the port read-write, unshared, overlapped; SetupComm(4096, 4096)
  // must succeed; then purges it, sets the time-outs and 9600 8-O-1.
  std::unique_ptr<SerialDevice> open(const std::string& path) override;
  OpenError lastError() const override { return lastError_; }

 private:
  OpenError lastError_ = OpenError::None;
};

}  // namespace navbin::platform

#pragma once
// Serial ports on POSIX terminals: non-blocking, raw, exclusive. A second
// open of a held device fails with Busy even for root (flock as well as
// TIOCEXCL). Writes never block: what the driver does not take at once waits
// in a bounded per-device queue and leaves on later flushOutput() calls.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/byte_queue.h"
#include "platform/serial_device.h"

namespace navbin::platform {

class PosixSerialDevice final : public SerialDevice {
 public:
  // Most output a device holds back while the driver is full. A frame that
  // does not fit is dropped whole.
  static constexpr std::size_t kOutputQueueCapacity = 64 * 1024;

  // Takes ownership of an open, configured terminal descriptor.
  explicit PosixSerialDevice(int fd);
  ~PosixSerialDevice() override;
  PosixSerialDevice(const PosixSerialDevice&) = delete;
  PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

  long pendingInput() override;
  long read(std::uint8_t* buffer, std::size_t max) override;
  bool write(const std::uint8_t* frame, std::size_t length) override;
  void flushOutput() override;
  bool setLineParameters(const LineParameters& line) override;
  void purge() override;
  bool lost() const override { return lost_; }
  bool waitForInput(int timeoutMs) override;
  int pollFd() const override { return lost_ ? -1 : fd_; }

  // Bytes written but not yet taken by the driver.
  std::size_t queuedOutput() const { return queue_.size(); }
  int fd() const { return fd_; }

 private:
  // Writes from `data` what the driver takes now; -1 when the device is gone.
  long writeSome(const std::uint8_t* data, std::size_t length);
  void markLost();

  int fd_;
  bool lost_ = false;
  ByteQueue queue_{kOutputQueueCapacity};
};

class PosixSerialBackend final : public SerialBackend {
 public:
  // Opens `path` read-write, non-blocking, without becoming its controlling
  // terminal; refuses anything that is not a terminal; locks it exclusively;
  // sets raw mode with reads that return at once, 9600 8-O-1, and raises DTR
  // and RTS where the driver allows it.
  std::unique_ptr<SerialDevice> open(const std::string& path) override;
  OpenError lastError() const override { return lastError_; }
  // The path (a link followed) names something.
  bool exists(const std::string& path) const override;

 private:
  OpenError lastError_ = OpenError::None;
};

// The OpenError of an errno value from open() or flock().
OpenError OpenErrorFromErrno(int error);

}  // namespace navbin::platform

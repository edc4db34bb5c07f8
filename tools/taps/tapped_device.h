#pragma once
// A receiver's device as navbin-log holds it while something taps it: every
// byte read from the receiver goes to the taps the moment it is read, with
// its read time, and waits in a queue for the monitor cycle's next read.
// Everything else passes straight to the device. The backend hands out such
// devices for the tapped paths and plain ones for the rest.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/byte_queue.h"
#include "platform/serial_device.h"
#include "tools/taps/byte_tap.h"

namespace navbin::tools {

class TappedDevice final : public platform::SerialDevice {
 public:
  // Most input held for the monitor cycle; older bytes go first.
  static constexpr std::size_t kInputCapacity = 1024 * 1024;

  // While it lives, `slot` points to it.
  TappedDevice(std::unique_ptr<platform::SerialDevice> device, std::vector<ByteTap*> taps,
               TappedDevice*& slot);
  ~TappedDevice() override;
  TappedDevice(const TappedDevice&) = delete;
  TappedDevice& operator=(const TappedDevice&) = delete;

  // Reads what the receiver sent, for the taps and the queue.
  void pump();

  long pendingInput() override;
  long read(std::uint8_t* buffer, std::size_t max) override;
  bool write(const std::uint8_t* frame, std::size_t length) override;
  void flushOutput() override { device_->flushOutput(); }
  bool setLineParameters(const platform::LineParameters& line) override;
  void purge() override;
  bool lost() const override { return input_.size() == 0 && device_->lost(); }
  bool waitForInput(int timeoutMs) override;
  int pollFd() const override { return device_->pollFd(); }

 private:
  std::unique_ptr<platform::SerialDevice> device_;
  std::vector<ByteTap*> taps_;
  TappedDevice*& slot_;
  double secondsPerByte_;
  platform::ByteQueue input_{kInputCapacity};
};

class TappingBackend final : public platform::SerialBackend {
 public:
  explicit TappingBackend(platform::SerialBackend& devices) : devices_(devices) {}

  // Devices opened at `path` from now on are tapped by `tap` too.
  void tap(const std::string& path, ByteTap& tap) { tapped_[path].taps.push_back(&tap); }
  // The tapped device open at `path`, if any.
  TappedDevice* device(const std::string& path) const;

  std::unique_ptr<platform::SerialDevice> open(const std::string& path) override;
  platform::OpenError lastError() const override { return devices_.lastError(); }
  bool exists(const std::string& path) const override { return devices_.exists(path); }

 private:
  struct Tapped {
    std::vector<ByteTap*> taps;
    TappedDevice* open = nullptr;
  };
  platform::SerialBackend& devices_;
  std::map<std::string, Tapped> tapped_;
};

}  // namespace navbin::tools

#pragma once
// A receiver's device as navbin-log holds it while sharing it: every byte
// read from the receiver goes to its PortShare's clients the moment it is
// read, and waits in a queue for the monitor cycle's next read. Everything
// else passes straight to the device. The backend hands out such devices for
// the shared paths and plain ones for the rest.

#include <map>
#include <memory>
#include <string>

#include "platform/byte_queue.h"
#include "platform/serial_device.h"
#include "tools/serve/port_share.h"

namespace navbin::tools {

class SharedDevice final : public platform::SerialDevice {
 public:
  // Most input held for the monitor cycle; older bytes go first.
  static constexpr std::size_t kInputCapacity = 1024 * 1024;

  // While it lives, `slot` points to it.
  SharedDevice(std::unique_ptr<platform::SerialDevice> device, PortShare& share,
               SharedDevice*& slot);
  ~SharedDevice() override;
  SharedDevice(const SharedDevice&) = delete;
  SharedDevice& operator=(const SharedDevice&) = delete;

  // Reads what the receiver sent, for the clients and the queue.
  void pump();

  long pendingInput() override;
  long read(std::uint8_t* buffer, std::size_t max) override;
  bool write(const std::uint8_t* frame, std::size_t length) override;
  void flushOutput() override { device_->flushOutput(); }
  bool setLineParameters(const platform::LineParameters& line) override {
    return device_->setLineParameters(line);
  }
  void purge() override;
  bool lost() const override { return input_.size() == 0 && device_->lost(); }
  bool waitForInput(int timeoutMs) override;
  int pollFd() const override { return device_->pollFd(); }

 private:
  std::unique_ptr<platform::SerialDevice> device_;
  PortShare& share_;
  SharedDevice*& slot_;
  platform::ByteQueue input_{kInputCapacity};
};

class SharingBackend final : public platform::SerialBackend {
 public:
  explicit SharingBackend(platform::SerialBackend& devices) : devices_(devices) {}

  // Devices opened at `path` from now on are shared through `share`.
  void share(const std::string& path, PortShare& share) { shared_[path].share = &share; }
  // The shared device open at `path`, if any.
  SharedDevice* device(const std::string& path) const;

  std::unique_ptr<platform::SerialDevice> open(const std::string& path) override;
  platform::OpenError lastError() const override { return devices_.lastError(); }
  bool exists(const std::string& path) const override { return devices_.exists(path); }

 private:
  struct Shared {
    PortShare* share = nullptr;
    SharedDevice* open = nullptr;
  };
  platform::SerialBackend& devices_;
  std::map<std::string, Shared> shared_;
};

}  // namespace navbin::tools

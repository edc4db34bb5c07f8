#pragma once
// The one way the programs open a receiver's port: a device path opens the
// operating system's serial port, "tcp://HOST:PORT" and "rfc2217://HOST:PORT"
// open a network port (see network_address.h).

#include <chrono>
#include <memory>
#include <string>

#include "platform/serial_device.h"

namespace navbin::platform {

class DeviceOpener final : public SerialBackend {
 public:
  DeviceOpener();
  explicit DeviceOpener(std::chrono::milliseconds connectTimeout);

  std::unique_ptr<SerialDevice> open(const std::string& path) override;
  OpenError lastError() const override { return last_->lastError(); }
  // A device path that names something, or a network port whose server
  // answers (see NetworkBackend::exists).
  bool exists(const std::string& path) const override;

 private:
  std::unique_ptr<SerialBackend> ports_;
  std::unique_ptr<SerialBackend> network_;
  const SerialBackend* last_;
};

}  // namespace navbin::platform

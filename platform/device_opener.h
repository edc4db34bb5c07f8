#pragma once
// The one way the programs open a receiver's port: a device path opens the
// terminal device, "tcp://HOST:PORT" and "rfc2217://HOST:PORT" open a
// network port (see network_serial_device.h).

#include <memory>
#include <string>

#include "platform/network_serial_device.h"
#include "platform/posix_serial_device.h"

namespace navbin::platform {

class DeviceOpener final : public SerialBackend {
 public:
  DeviceOpener() = default;
  explicit DeviceOpener(std::chrono::milliseconds connectTimeout) : network_(connectTimeout) {}

  std::unique_ptr<SerialDevice> open(const std::string& path) override;
  OpenError lastError() const override { return last_->lastError(); }
  // A device path that names something, or a network port whose server
  // answers (see NetworkBackend::exists).
  bool exists(const std::string& path) const override;

 private:
  PosixSerialBackend terminals_;
  NetworkBackend network_;
  const SerialBackend* last_ = &terminals_;
};

}  // namespace navbin::platform

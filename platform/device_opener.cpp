#include "platform/device_opener.h"

#include "platform/native_backends.h"
#include "platform/network_address.h"

namespace navbin::platform {

DeviceOpener::DeviceOpener()
    : ports_(MakeSerialPortBackend()),
      network_(MakeNetworkPortBackend(std::nullopt)),
      last_(ports_.get()) {}

DeviceOpener::DeviceOpener(std::chrono::milliseconds connectTimeout)
    : ports_(MakeSerialPortBackend()),
      network_(MakeNetworkPortBackend(connectTimeout)),
      last_(ports_.get()) {}

std::unique_ptr<SerialDevice> DeviceOpener::open(const std::string& path) {
  SerialBackend& backend = IsNetworkPath(path) ? *network_ : *ports_;
  last_ = &backend;
  return backend.open(path);
}

bool DeviceOpener::exists(const std::string& path) const {
  return IsNetworkPath(path) ? network_->exists(path) : ports_->exists(path);
}

}  // namespace navbin::platform

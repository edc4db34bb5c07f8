#include "platform/device_opener.h"

#include "platform/network_address.h"

namespace navbin::platform {

std::unique_ptr<SerialDevice> DeviceOpener::open(const std::string& path) {
  SerialBackend& backend = IsNetworkPath(path) ? static_cast<SerialBackend&>(network_) : terminals_;
  last_ = &backend;
  return backend.open(path);
}

bool DeviceOpener::exists(const std::string& path) const {
  return IsNetworkPath(path) ? network_.exists(path) : terminals_.exists(path);
}

}  // namespace navbin::platform

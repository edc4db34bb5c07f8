#include <sys/stat.h>

#include "platform/native_backends.h"
#include "platform/network_serial_device.h"
#include "platform/posix_serial_device.h"

namespace navbin::platform {

std::unique_ptr<SerialBackend> MakeSerialPortBackend() {
  return std::make_unique<PosixSerialBackend>();
}

bool MayBeSerialPort(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

std::unique_ptr<SerialBackend> MakeNetworkPortBackend(
    std::optional<std::chrono::milliseconds> connectTimeout) {
  return std::make_unique<NetworkBackend>(connectTimeout.value_or(NetworkBackend::kConnectTimeout));
}

}  // namespace navbin::platform

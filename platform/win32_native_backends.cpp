#include "platform/native_backends.h"
#include "platform/win32_serial_device.h"

namespace navbin::platform {
namespace {

// Network ports are not built for Windows: every open is refused.
class NoNetworkBackend final : public SerialBackend {
 public:
  std::unique_ptr<SerialDevice> open(const std::string&) override { return nullptr; }
  OpenError lastError() const override { return OpenError::NotAvailable; }
  bool exists(const std::string&) const override { return false; }
};

}  // namespace

std::unique_ptr<SerialBackend> MakeSerialPortBackend() {
  return std::make_unique<Win32SerialBackend>();
}

// A COM name, in either form CreateFileA takes.
bool MayBeSerialPort(const std::string& path) {
  const std::string name = path.compare(0, 4, "\\\\.\\") == 0 ? path.substr(4) : path;
  return name.size() > 3 && name.compare(0, 3, "COM") == 0 &&
         name.find_first_not_of("0123456789", 3) == std::string::npos;
}

std::unique_ptr<SerialBackend> MakeNetworkPortBackend(std::optional<std::chrono::milliseconds>) {
  return std::make_unique<NoNetworkBackend>();
}

}  // namespace navbin::platform

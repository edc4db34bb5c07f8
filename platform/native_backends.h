#pragma once
// The backends of the operating system the program is built for, chosen by
// the build (posix_native_backends.cpp, win32_native_backends.cpp): its
// serial ports, and its network ports where it has them.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "platform/serial_device.h"

namespace navbin::platform {

std::unique_ptr<SerialBackend> MakeSerialPortBackend();

// Whether `path` may name a serial port rather than a file (a character
// device; on Windows a COM name), for the programs that take either.
bool MayBeSerialPort(const std::string& path);

// tcp:// and rfc2217:// ports; nullopt: the backend's own connect time-out.
std::unique_ptr<SerialBackend> MakeNetworkPortBackend(
    std::optional<std::chrono::milliseconds> connectTimeout);

}  // namespace navbin::platform

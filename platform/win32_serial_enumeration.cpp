#include <windows.h>

#include "platform/serial_enumeration.h"

namespace navbin::platform {
namespace {

constexpr int kMaxPort = 16;
constexpr DWORD kTextRoom = 64;  // room for a value's name and data

// The data of every value of the key, up to the first that cannot be read.
std::vector<std::string> SerialCommValues() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return names;
  }
  for (DWORD index = 0;; ++index) {
    char name[kTextRoom];
    BYTE data[kTextRoom];
    DWORD nameLength = kTextRoom;
    DWORD dataLength = kTextRoom - 1;  // room for the end the value may lack
    DWORD type = 0;
    if (::RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) !=
        ERROR_SUCCESS) {
      break;
    }
    if (type != REG_SZ) continue;
    data[dataLength] = 0;
    names.emplace_back(reinterpret_cast<const char*>(data));
  }
  ::RegCloseKey(key);
  return names;
}

}  // namespace

std::vector<std::string> EnumerateSerialDevices(const SerialEnumerationRoots&) {
  std::vector<std::string> paths;
  for (const int number : ComNumbersOf(SerialCommValues(), kMaxPort)) {
    paths.push_back("COM" + std::to_string(number));
  }
  return paths;
}

}  // namespace navbin::platform

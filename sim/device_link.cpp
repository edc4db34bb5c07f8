#include "sim/device_link.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace navbin::sim {

bool MakeDeviceLink(const std::string& device, const std::string& path, std::string& error) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      error = path + " exists and is not a symbolic link";
      return false;
    }
    ::unlink(path.c_str());  // left behind by an earlier run
  }
  if (::symlink(device.c_str(), path.c_str()) != 0) {
    error = "symlink " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

void RemoveDeviceLink(const std::string& device, const std::string& path) {
  std::array<char, 4096> target{};
  const ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
  if (n > 0 && std::string(target.data(), static_cast<std::size_t>(n)) == device) {
    ::unlink(path.c_str());
  }
}

}  // namespace navbin::sim

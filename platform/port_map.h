#pragma once
// COM numbers 1..16, as the user sees them, mapped to device paths. The map is
// filled from the enumeration, the command line and the stored settings.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace navbin::platform {

class PortMap {
 public:
  static constexpr int kMaxCom = 16;

  // Device path of a COM number, empty when none is assigned.
  std::string devicePath(int com) const;
  // COM number of a device path, 0 when it has none.
  int comOf(const std::string& path) const;
  // Assigns a path to a COM number, replacing what it had (and removing the
  // path from any other number). Ignored for numbers outside 1..16.
  void assign(int com, const std::string& path);
  // The path's COM number, giving it the lowest free one when it has none.
  // 0 when all 16 are taken.
  int add(const std::string& path);
  // COM numbers that have a path, ascending.
  std::vector<int> assigned() const;

 private:
  std::array<std::string, kMaxCom> paths_;
};

}  // namespace navbin::platform

#include "platform/serial_enumeration.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <tuple>
#include <utility>

namespace navbin::platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPrefixes[] = {"ttyACM", "ttyS", "ttyUSB"};

// Splits "ttyUSB12" into ("ttyUSB", 12); number -1 when the name does not fit.
std::pair<std::string, long> SplitName(const std::string& name) {
  for (const char* prefix : kPrefixes) {
    const std::string p(prefix);
    if (name.size() <= p.size() || name.compare(0, p.size(), p) != 0) continue;
    const std::string digits = name.substr(p.size());
    if (digits.size() > 6) continue;
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
      continue;
    return {p, std::strtol(digits.c_str(), nullptr, 10)};
  }
  return {{}, -1};
}

// The first line of a small sysfs attribute, empty when it cannot be read.
std::string ReadAttribute(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  if (in) std::getline(in, line);
  return line;
}

// A ttyS entry stands for hardware when its UART type is known (not 0). Where
// the driver publishes no type, a bound driver is taken as enough.
bool HasRealUart(const fs::path& entry) {
  std::error_code ec;
  const fs::path typeFile = entry / "type";
  if (fs::exists(typeFile, ec)) {
    const std::string type = ReadAttribute(typeFile);
    char* end = nullptr;
    const long value = std::strtol(type.c_str(), &end, 10);
    return end != type.c_str() && value != 0;
  }
  return fs::exists(entry / "device" / "driver", ec);
}

bool Qualifies(const fs::path& entry, const std::string& prefix) {
  std::error_code ec;
  if (!fs::exists(entry / "device", ec)) return false;
  if (prefix == "ttyS") return HasRealUart(entry);
  return true;
}

}  // namespace

bool IsSerialTtyName(const std::string& name) {
  return SplitName(name).second >= 0;
}

std::vector<std::string> EnumerateSerialDevices(const SerialEnumerationRoots& roots) {
  struct Found {
    std::string prefix;
    long number;
    std::string name;
    bool operator<(const Found& o) const {
      return std::tie(prefix, number, name) < std::tie(o.prefix, o.number, o.name);
    }
  };
  std::vector<Found> found;
  std::error_code ec;
  fs::directory_iterator it(roots.sysClassTty, ec);
  if (ec) return {};
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().string();
    auto [prefix, number] = SplitName(name);
    if (number < 0 || !Qualifies(it->path(), prefix)) continue;
    found.push_back({std::move(prefix), number, name});
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> paths;
  paths.reserve(found.size());
  for (const Found& f : found) paths.push_back((fs::path(roots.dev) / f.name).string());
  return paths;
}

}  // namespace navbin::platform

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/serial_enumeration.h"

namespace navbin::platform {

std::vector<int> ComNumbersOf(const std::vector<std::string>& names, int maxPort) {
  std::vector<int> numbers;
  for (const std::string& name : names) {
    // The number after the three letters, as "%d" reads it.
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0) continue;
    const char* digits = name.c_str() + 3;
    if (!std::isdigit(static_cast<unsigned char>(*digits)) && *digits != '-' && *digits != '+') {
      continue;
    }
    char* end = nullptr;
    const long number = std::strtol(digits, &end, 10);
    if (end == digits || number < 1 || number > maxPort) continue;
    numbers.push_back(static_cast<int>(number));
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

}  // namespace navbin::platform

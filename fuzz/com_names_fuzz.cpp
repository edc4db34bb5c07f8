// Fuzz target: arbitrary registry texts, one a line, through the COM number
// reader of the Windows port enumeration. Checks that the numbers come out
// ascending, within 1 and the maximum, and no more than there are names.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/serial_enumeration.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "COM name invariant broken: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> names(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      names.emplace_back();
    } else {
      names.back() += static_cast<char>(data[i]);
    }
  }
  constexpr int kMaxPort = 16;
  const std::vector<int> numbers = navbin::platform::ComNumbersOf(names, kMaxPort);
  Check(numbers.size() <= names.size(), "at most one number a name");
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    Check(numbers[i] >= 1 && numbers[i] <= kMaxPort, "numbers within 1 and the maximum");
    Check(i == 0 || numbers[i - 1] <= numbers[i], "numbers ascending");
  }
  return 0;
}

// COM numbers of the port names Windows lists under SERIALCOMM.

#include <gtest/gtest.h>

#include "platform/serial_enumeration.h"

namespace navbin::platform {
namespace {

TEST(ComNumbers, AscendingUpToTheMaximumWithoutNamesOfAnotherForm) {
  struct Case {
    std::vector<std::string> names;
    std::vector<int> numbers;
  };
  const Case cases[] = {
      {{"COM4", "COM1", "COM20", "COM3"}, {1, 3, 4}},
      {{"COM16", "COM17", "COM0", "COM-2"}, {16}},
      {{"LPT1", "com2", "COM", "COMx", "", "COM10"}, {10}},
      {{"COM7abc", "COM07"}, {7, 7}},  // read as "%d" reads them
      {{}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ComNumbersOf(c.names, 16), c.numbers);
}

}  // namespace
}  // namespace navbin::platform

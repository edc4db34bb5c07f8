#pragma once
// The position file the position download writes: one line with a kind digit
// and three numbers.

#include <array>
#include <string_view>

namespace navbin::shell {

struct PositionFile {
  int kind = -1;                  // 0 LLA, 1 ECEF
  std::array<float, 3> values{};  // latitude, longitude (degrees), altitude; or X, Y, Z
  int count = 0;                  // numbers converted after the kind
};
// The first four items of a position file ("%d%f%f%f").
PositionFile ParsePositionFile(std::string_view text);

}  // namespace navbin::shell

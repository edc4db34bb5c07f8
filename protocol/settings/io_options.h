#pragma once
// I/O options: the four option bytes (position, velocity, timing, auxiliary);
// reported in 0x55, set with 0x35.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct IoOptions {
  std::uint8_t position = 0;   // bit 1 LLA, bit 2 MSL out, bit 3 MSL in, bit 4 double
  std::uint8_t velocity = 0;   // bit 1 ENU
  std::uint8_t timing = 0;     // bit 0 UTC, bit 5 PPS fix based, bit 6 PPS off
  std::uint8_t auxiliary = 0;  // not used; the dialog sends 0
};

template <>
struct Table<IoOptions> {
  using R = IoOptions;
  using U8 = Field<R, std::uint8_t>;
  static constexpr std::string_view name{"ioOptions"};
  static constexpr Layout layout{.commandId = 0x35, .reportLength = 4, .commandLength = 4};
  static constexpr std::tuple fields{
      U8{"position", &R::position, Both(0)},
      U8{"velocity", &R::velocity, Both(1)},
      U8{"timing", &R::timing, Both(2)},
      U8{"auxiliary", &R::auxiliary, Both(3)},
  };
};

}  // namespace navbin::settings

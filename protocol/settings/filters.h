#pragma once
// Position filters: non-zero bytes are filters switched on; reported in 0x70,
// set with 0x70.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct Filters {
  std::uint8_t positionVelocity = 0;
  std::uint8_t staticFilter = 0;
  std::uint8_t altitude = 0;
};

template <>
struct Table<Filters> {
  using R = Filters;
  using U8 = Field<R, std::uint8_t>;
  static constexpr std::string_view name{"filters"};
  static constexpr Layout layout{.commandId = 0x70, .reportLength = 4, .commandLength = 4};
  static constexpr std::tuple fields{
      U8{"positionVelocity", &R::positionVelocity, Both(0)},
      U8{"staticFilter", &R::staticFilter, Both(1)},
      U8{"altitude", &R::altitude, Both(2)},
  };
};

}  // namespace navbin::settings

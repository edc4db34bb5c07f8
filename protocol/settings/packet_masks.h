#pragma once
// Packet broadcast masks; reported in 0x8F-A5, set with 0x8E-A5 (the two
// bytes after the masks go out as 0).

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct PacketMasks {
  std::uint8_t mask0 = 0;
  std::uint8_t mask1 = 0;  // bits 5, 6, 7 shown
};

template <>
struct Table<PacketMasks> {
  using R = PacketMasks;
  using U8 = Field<R, std::uint8_t>;
  static constexpr std::string_view name{"packetMasks"};
  static constexpr Layout layout{
      .commandId = 0x8E, .reportLength = 5, .commandLength = 5, .lead = 0xA5};
  static constexpr std::tuple fields{
      U8{"mask0", &R::mask0, Both(1)},
      U8{"mask1", &R::mask1, Both(2)},
  };
};

}  // namespace navbin::settings

#pragma once
// NavTxt configuration; reported in 0x7F, set with 0x7E.

#include <array>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct NavTxt {
  std::uint8_t flags = 0;  // bit 0 ID, 1 CS, 2 EC, 3 FR, 4 CR
  std::uint16_t topOfHourOffset = 0;
  std::array<std::uint16_t, 8> periods{};   // AL, CP, ID, LN, PV, ST, TM, VR
  std::array<std::uint8_t, 4> vehicleId{};  // characters, zero-padded
};

template <>
struct Table<NavTxt> {
  using R = NavTxt;
  using Period = Element<R, std::uint16_t, 8>;
  static constexpr std::string_view name{"navTxt"};
  static constexpr Layout layout{
      .commandId = 0x7E, .reportLength = 24, .commandLength = 24, .lead = 0x00};
  static constexpr std::tuple fields{
      Field<R, std::uint8_t>{"flags", &R::flags, Both(1)},
      Field<R, std::uint16_t>{"topOfHourOffset", &R::topOfHourOffset, Both(2)},
      Period{"periodAL", &R::periods, 0, Both(4)},
      Period{"periodCP", &R::periods, 1, Both(6)},
      Period{"periodID", &R::periods, 2, Both(8)},
      Period{"periodLN", &R::periods, 3, Both(10)},
      Period{"periodPV", &R::periods, 4, Both(12)},
      Period{"periodST", &R::periods, 5, Both(14)},
      Period{"periodTM", &R::periods, 6, Both(16)},
      Period{"periodVR", &R::periods, 7, Both(18)},
      Text<R, 4>{"vehicleId", &R::vehicleId, Both(20)},
  };
};

}  // namespace navbin::settings

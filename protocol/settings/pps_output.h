#pragma once
// PPS output qualification; reported in 0x8F-4E, set with 0x8E-4E.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct PpsOutput {
  std::uint8_t code = 0;  // 2 always, 3 with one satellite tracked, 4 with three
};

template <>
struct Table<PpsOutput> {
  using R = PpsOutput;
  static constexpr std::string_view name{"ppsOutput"};
  static constexpr Layout layout{
      .commandId = 0x8E, .reportLength = 2, .commandLength = 2, .lead = 0x4E};
  static constexpr std::tuple fields{
      Field<R, std::uint8_t>{"code", &R::code, Both(1)},
  };
};

}  // namespace navbin::settings

#pragma once
// Self-survey parameters; reported in 0x8F-A9, set with 0x8E-A9 (the four
// bytes after the length go out as 0).

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct SelfSurvey {
  std::uint8_t enable = 0;        // 0 or 1
  std::uint8_t savePosition = 0;  // 0 or 1
  std::int32_t length = 0;        // fixes, in the receiver's signed 32-bit field
};

template <>
struct Table<SelfSurvey> {
  using R = SelfSurvey;
  using U8 = Field<R, std::uint8_t>;
  static constexpr std::string_view name{"selfSurvey"};
  static constexpr Layout layout{
      .commandId = 0x8E, .reportLength = 11, .commandLength = 11, .lead = 0xA9};
  static constexpr std::tuple fields{
      U8{"enable", &R::enable, Both(1)},
      U8{"savePosition", &R::savePosition, Both(2)},
      Field<R, std::int32_t>{"length", &R::length, Both(3)},
  };
};

}  // namespace navbin::settings

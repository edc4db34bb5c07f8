#pragma once
// Sensitivity mode, non-zero for on; reported in 0x89 (now and after the next
// reset), set with 0x69, which carries only the mode after the next reset.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct Sensitivity {
  std::uint8_t current = 0;
  std::uint8_t afterReset = 0;
};

template <>
struct Table<Sensitivity> {
  using R = Sensitivity;
  using U8 = Field<R, std::uint8_t>;
  static constexpr std::string_view name{"sensitivity"};
  static constexpr Layout layout{
      .commandId = 0x69, .reportLength = 2, .commandLength = 2, .fill = 0xFF};
  static constexpr std::tuple fields{
      U8{"current", &R::current, ReportOnly(0)},
      U8{"afterReset", &R::afterReset, At{.report = 1, .command = 0}},
  };
};

}  // namespace navbin::settings

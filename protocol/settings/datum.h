#pragma once
// The datum in use, by its position in the datum list; reported in 0x8F-15
// (which also carries the datum's parameters), set with 0x8E-15.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct Datum {
  std::uint16_t datumIndex = 0;
};

template <>
struct Table<Datum> {
  using R = Datum;
  static constexpr std::string_view name{"datum"};
  static constexpr Layout layout{
      .commandId = 0x8E, .reportLength = 43, .commandLength = 3, .lead = 0x15};
  static constexpr std::tuple fields{
      Field<R, std::uint16_t>{"datumIndex", &R::datumIndex, Both(1)},
  };
};

}  // namespace navbin::settings

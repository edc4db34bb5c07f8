#pragma once
// PPS characteristics; reported in 0x8F-4A, set with 0x8E-4A.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct PpsCharacteristics {
  std::uint8_t driverSwitch = 0;  // list indices: 0 disabled, 1 enabled
  std::uint8_t timeBase = 0;
  std::uint8_t polarity = 0;
  double offset = 0;        // seconds
  float biasThreshold = 0;  // metres
};

template <>
struct Table<PpsCharacteristics> {
  using R = PpsCharacteristics;
  using U8 = Field<R, std::uint8_t>;
  static constexpr std::string_view name{"ppsCharacteristics"};
  static constexpr Layout layout{
      .commandId = 0x8E, .reportLength = 16, .commandLength = 16, .lead = 0x4A};
  static constexpr std::tuple fields{
      U8{"driverSwitch", &R::driverSwitch, Both(1)},
      U8{"timeBase", &R::timeBase, Both(2)},
      U8{"polarity", &R::polarity, Both(3)},
      Field<R, double>{"offset", &R::offset, Both(4), "s"},
      Field<R, float>{"biasThreshold", &R::biasThreshold, Both(12), "m"},
  };
};

}  // namespace navbin::settings

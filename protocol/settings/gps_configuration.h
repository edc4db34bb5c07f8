#pragma once
// Receiver (GPS) configuration; reported in 0xBB, set with 0xBB sub-code 3.
// The bytes between the fields go out as 0xFF, which leaves them unchanged.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

struct GpsConfiguration {
  std::uint8_t receiverMode = 0;  // list indices
  std::uint8_t dgpsMode = 0;
  std::uint8_t dynamicsCode = 0;
  float elevationMask = 0;  // radians
  float signalMask = 0;     // AMU
  float pdopMask = 0;
  float pdopSwitch = 0;
  std::uint8_t dgpsAgeLimit = 0;  // seconds
};

template <>
struct Table<GpsConfiguration> {
  using R = GpsConfiguration;
  using U8 = Field<R, std::uint8_t>;
  using Single = Field<R, float>;
  static constexpr std::string_view name{"gpsConfiguration"};
  static constexpr Layout layout{
      .commandId = 0xBB, .reportLength = 40, .commandLength = 40, .lead = 0x03, .fill = 0xFF};
  static constexpr std::tuple fields{
      U8{"receiverMode", &R::receiverMode, Both(1)},
      U8{"dgpsMode", &R::dgpsMode, Both(2)},
      U8{"dynamicsCode", &R::dynamicsCode, Both(3)},
      Single{"elevationMask", &R::elevationMask, Both(15), "rad"},
      Single{"signalMask", &R::signalMask, Both(19), "AMU"},
      Single{"pdopMask", &R::pdopMask, Both(23)},
      Single{"pdopSwitch", &R::pdopSwitch, Both(27)},
      U8{"dgpsAgeLimit", &R::dgpsAgeLimit, Both(35), "s"},
  };
};

}  // namespace navbin::settings

#pragma once
// One receiver serial port's settings, in the receiver's serial codes (as in
// LineSettings); reported in 0xBC, set with 0xBC. The command sends the input
// baud code as the output baud code too, and no flow control.

#include <cstdint>
#include <string_view>
#include <tuple>

#include "protocol/settings/settings_field.h"

namespace navbin::settings {

// Receiver port number meaning "the port this command arrives on".
inline constexpr std::uint8_t kArrivalPort = 0xFF;

// The fields both directions carry first, then those only the report carries.
struct SerialPort {
  std::uint8_t port = 0;  // 0, 1, or kArrivalPort; a report of another names no port
  std::uint8_t inputBaud = 7;
  std::uint8_t dataBits = 3;
  std::uint8_t parity = 1;
  std::uint8_t stopBits = 0;
  std::uint8_t inputProtocols = 2;  // 0x01 NavTxt, 0x02 NavBin, 0x04 NMEA, 0x08 RTCM
  std::uint8_t outputProtocols = 2;
  std::uint8_t outputBaud = 7;
  std::uint8_t flowControl = 0;
};

template <>
struct Table<SerialPort> {
  using R = SerialPort;
  using U8 = Field<R, std::uint8_t>;
  static constexpr std::string_view name{"serialPort"};
  static constexpr Layout layout{.commandId = 0xBC, .reportLength = 10, .commandLength = 10};
  static constexpr std::tuple fields{
      U8{"port", &R::port, Both(0)},
      U8{"inputBaud", &R::inputBaud, Both(1)},
      U8{"outputBaud", &R::outputBaud, ReportOnly(2)},
      U8{"inputBaud", &R::inputBaud, CommandOnly(2)},
      U8{"dataBits", &R::dataBits, Both(3)},
      U8{"parity", &R::parity, Both(4)},
      U8{"stopBits", &R::stopBits, Both(5)},
      U8{"flowControl", &R::flowControl, ReportOnly(6)},
      U8{"inputProtocols", &R::inputProtocols, Both(7)},
      U8{"outputProtocols", &R::outputProtocols, Both(8)},
  };
};

}  // namespace navbin::settings

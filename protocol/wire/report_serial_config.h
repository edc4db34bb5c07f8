#pragma once
// Report 0xBC, one receiver serial port's settings, in the receiver's serial codes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

inline constexpr std::size_t kSerialConfigLength = 10;

struct SerialConfigReport {
  std::uint8_t port = 0;  // 0 or 1; other values name no port
  std::uint8_t inputBaud = 0;
  std::uint8_t outputBaud = 0;
  std::uint8_t dataBits = 0;
  std::uint8_t parity = 0;
  std::uint8_t stopBits = 0;
  std::uint8_t flowControl = 0;
  std::uint8_t inputProtocols = 0;  // 0x01 NavTxt, 0x02 NavBin, 0x04 NMEA, 0x08 RTCM
  std::uint8_t outputProtocols = 0;
};

// Empty unless `payload` has exactly kSerialConfigLength bytes.
std::optional<SerialConfigReport> ParseSerialConfig(std::span<const std::uint8_t> payload);
void Describe(const SerialConfigReport& report, FieldSink& out);

}  // namespace navbin::reports

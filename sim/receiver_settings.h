#pragma once
// Everything a simulated receiver lets the monitor change, with the values a
// receiver leaves the factory with.

#include <array>
#include <cstdint>

namespace navbin::sim {

struct IoOptions {
  std::uint8_t position = 0x02;  // bit 1 LLA (clear: XYZ), bit 2 MSL out, bit 4 double
  std::uint8_t velocity = 0x02;  // bit 1 ENU (clear: XYZ)
  std::uint8_t timing = 0x00;    // bit 0 UTC (clear: GPS time)
  std::uint8_t auxiliary = 0x00;

  bool operator==(const IoOptions&) const = default;
};

struct GpsConfig {
  std::uint8_t receiverMode = 0;     // 0 automatic 2D/3D, 3 2D, 4 3D, 7 overdetermined clock
  std::uint8_t dgpsMode = 2;         // 0 off, 1 DGPS only, 2 and 3 auto
  std::uint8_t dynamicsCode = 1;     // 1 land, 2 sea, 3 air, 4 stationary
  float elevationMask = 0.1745329f;  // radians (10 degrees)
  float signalMask = 4.0f;           // AMU
  float pdopMask = 12.0f;
  float pdopSwitch = 6.0f;
  std::uint8_t dgpsAgeLimit = 30;  // seconds

  bool operator==(const GpsConfig&) const = default;
};

// One of the receiver's own serial ports, in the receiver's serial codes.
struct SerialConfig {
  std::uint8_t inputBaud = 7;  // 7 = 9600, 8 = 19200, 9 = 38400
  std::uint8_t outputBaud = 7;
  std::uint8_t dataBits = 3;  // 3 = 8 data bits
  std::uint8_t parity = 1;    // 0 none, 1 odd, 2 even
  std::uint8_t stopBits = 0;  // 0 one stop bit
  std::uint8_t flowControl = 0;
  std::uint8_t inputProtocols = 0x02;  // 0x01 NavTxt, 0x02 NavBin, 0x04 NMEA, 0x08 RTCM
  std::uint8_t outputProtocols = 0x02;

  bool operator==(const SerialConfig&) const = default;
};

struct PpsCharacteristics {
  std::uint8_t driverSwitch = 1;  // 0 disabled, 1 enabled
  std::uint8_t timeBase = 0;      // 0 GPS, 1 UTC
  std::uint8_t polarity = 0;      // 0 positive, 1 negative
  double offset = 0.0;            // seconds
  float biasThreshold = 300.0f;   // metres

  bool operator==(const PpsCharacteristics&) const = default;
};

struct SelfSurvey {
  std::uint8_t enabled = 1;
  std::uint8_t savePosition = 0;
  std::uint32_t length = 2000;  // fixes

  bool operator==(const SelfSurvey&) const = default;
};

struct FilterConfig {
  std::uint8_t positionVelocity = 1;
  std::uint8_t staticFilter = 1;
  std::uint8_t altitude = 0;

  bool operator==(const FilterConfig&) const = default;
};

struct SensitivityMode {
  std::uint8_t current = 0;     // in force now
  std::uint8_t afterReset = 0;  // takes over at the next reset

  bool operator==(const SensitivityMode&) const = default;
};

struct NavTxtConfig {
  std::uint8_t flags = 0x12;  // bit 0 ID, 1 CS, 2 EC, 3 FR, 4 CR
  std::uint16_t topOfHourOffset = 0;
  std::array<std::uint16_t, 8> periods{0, 0, 0, 0, 1, 0, 0, 0};  // AL CP ID LN PV ST TM VR
  std::array<std::uint8_t, 4> vehicleId{'0', '0', '0', '1'};

  bool operator==(const NavTxtConfig&) const = default;
};

inline constexpr std::uint16_t kDatumCount = 180;

struct ReceiverSettings {
  IoOptions io;
  std::uint16_t datumIndex = 0;  // 0 = WGS-84
  GpsConfig gps;
  std::array<SerialConfig, 2> serial{SerialConfig{}, SerialConfig{6, 6, 3, 0, 0, 0, 0x08, 0x04}};
  PpsCharacteristics pps;
  std::uint8_t ppsOutput = 2;  // 2 always, 3 with one SV, 4 with three SVs
  std::array<std::uint8_t, 2> packetMasks{0x00,
                                          0x20};  // byte 1: 0x20 auto outputs, 0x40 AB, 0x80 AC
  SelfSurvey survey;
  FilterConfig filter;
  SensitivityMode sensitivity;
  NavTxtConfig navTxt;

  bool autoOutputs() const { return (packetMasks[1] & 0x20) != 0; }
  bool broadcastPrimaryTiming() const { return (packetMasks[1] & 0x40) != 0; }
  bool broadcastSupplementalTiming() const { return (packetMasks[1] & 0x80) != 0; }

  bool operator==(const ReceiverSettings&) const = default;
};

}  // namespace navbin::sim

#pragma once
// What the decoders know of each port's receiver, and the report globals.

#include <array>
#include <cstdint>

#include "link/port_context.h"
#include "protocol/wire/configuration_reports.h"
#include "protocol/wire/units.h"

namespace navbin::reports {

inline constexpr int kChannelCount = 12;

struct PositionFix {
  float timeOfFix = 0;                 // s of GPS week
  double x = 0, y = 0, z = 0;          // m, WGS-84 ECEF
  double latitude = 0, longitude = 0;  // degrees, north and east positive
  double altitude = 0;                 // m
  double clockBias = 0;                // ns
};

struct VelocityFix {
  float biasRate = 0;                          // ns/s
  float velX = 0, velY = 0, velZ = 0;          // m/s, ECEF
  float velEast = 0, velNorth = 0, velUp = 0;  // m/s
};

struct ChannelTrack {
  std::uint8_t resetPending =
      0;  // the data log consumed the entry; the next 0x5C restarts the minimum
  std::uint8_t currentSv = 0;
  std::uint8_t minSv = 0;
  float currentLevel = 0;  // AMU
  float minLevel = 0;      // level of smallest magnitude since the restart
};

struct ReceiverState {
  PositionFix position;
  VelocityFix velocity;
  std::uint8_t fixMode = 0;
  std::uint8_t statusCode = 0;
  std::uint8_t errorBits = 0;
  std::uint8_t statusBits = 0;
  std::uint8_t dgpsMode = 0;
  float pdop = 0, hdop = 0, vdop = 0, tdop = 0;
  std::array<std::int32_t, kChannelCount> fixSvs{};  // SV numbers, sign kept
  std::array<ChannelTrack, kChannelCount> channels{};
  ConfigurationReports configuration;  // the last settings the receiver reported
};

// Reference of the change-in-position display.
struct DeltaReference {
  double latitude = 0;        // rad
  double longitude = 0;       // rad
  double latitudeScale = 0;   // m per rad
  double longitudeScale = 0;  // m per rad
};

struct ReportGlobals {
  double gpsTime = 0;  // s since 1980-01-06 00:00:00; 0 means no time yet
  std::array<std::int32_t, kChannelCount> channelAge{};
  std::array<std::uint8_t, link::kPortCount> logTrigger{};
  std::int32_t setClockPending = 0;
  std::int32_t downloadPositionPending = 0;
  std::int32_t deltaReferenceSet = 0;
  std::int32_t rawLogActive = 0;
  DeltaReference deltaReference;
};

// All per-port receiver state and the report globals, created once by main.
struct ReportState {
  std::array<ReceiverState, link::kPortCount> receivers{};
  ReportGlobals globals;
};

}  // namespace navbin::reports

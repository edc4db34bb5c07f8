#pragma once
// Satellite, health, version and timing reports.

#include <cstdint>

#include "sim/fix_solution.h"
#include "sim/navigation_reports.h"
#include "sim/packet_writer.h"
#include "sim/receiver_profile.h"

namespace navbin::sim {

Packet VersionReport(const ReceiverProfile& profile);                         // 0x45
Packet HealthReport(std::uint8_t statusCode, std::uint8_t errorBits);         // 0x46
Packet MachineStatusReport(std::uint8_t machineId, std::uint8_t statusBits);  // 0x4B
Packet DgpsModeReport(std::uint8_t mode);                                     // 0x82
Packet SetTimeReply(bool accepted);                                           // 0x4E

// 0x6D: every tracked SV, negative when it is not used for the fix.
Packet SatelliteSelectionReport(const FixSolution& fix);
// 0x5C of one channel; `measuredAt` is the time of week of its last measurement.
Packet TrackingStatusReport(const SatelliteView& sat, float measuredAt);

// The 0x82 value for the DGPS mode of the GPS configuration; no corrections
// ever arrive, so the automatic modes report "currently off".
std::uint8_t DgpsReportValue(std::uint8_t configuredMode);

// 0x8F-AB for the whole second `gpsSecond` (seconds since the GPS epoch).
Packet PrimaryTimingReport(std::int64_t gpsSecond, bool utc);

struct SupplementalTiming {
  std::uint8_t receiverMode = 0;
  std::uint8_t surveyProgress = 0;  // percent
  std::uint16_t minorAlarms = 0;
  std::uint8_t decodingStatus = 0;
  float quantizationError = 0;  // ns
  bool ppsGenerated = false;
};

// 0x8F-AC: clock bias and rate come from the fix, in ns and ppb.
Packet SupplementalTimingReport(const SupplementalTiming& t, const NavigationFix& fix);

}  // namespace navbin::sim

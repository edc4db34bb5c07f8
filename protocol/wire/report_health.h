#pragma once
// Reports 0x46 (receiver health), 0x4B (machine code and status) and 0x82
// (DGPS mode).

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct HealthReport {
  std::uint8_t statusCode;
  std::uint8_t errorBits;  // 0x01 battery backup, 0x10 antenna fault, 0x20 short
};

struct MachineStatusReport {
  std::uint8_t machineId;
  std::uint8_t statusBits;  // 0x02 real-time clock, 0x08 almanac
};

struct DgpsModeReport {
  std::uint8_t dgpsMode;
};

std::optional<HealthReport> ParseHealth(std::span<const std::uint8_t> payload);
std::optional<MachineStatusReport> ParseMachineStatus(std::span<const std::uint8_t> payload);
std::optional<DgpsModeReport> ParseDgpsMode(std::span<const std::uint8_t> payload);
void Describe(const HealthReport& report, FieldSink& out);
void Describe(const MachineStatusReport& report, FieldSink& out);
void Describe(const DgpsModeReport& report, FieldSink& out);

}  // namespace navbin::reports

#pragma once
// Report 0x45, software version of the navigation and signal processors.

#include <cstdint>
#include <optional>
#include <span>

namespace navbin::reports {

class FieldSink;

struct VersionReport {
  std::uint8_t major, minor;  // navigation firmware version
  std::uint8_t month, day;
  int year;                               // four digits
  std::uint8_t signalMajor, signalMinor;  // signal processor firmware version
  std::uint8_t signalMonth, signalDay;
  int signalYear;  // four digits
};

std::optional<VersionReport> ParseVersion(std::span<const std::uint8_t> payload);
void Describe(const VersionReport& report, FieldSink& out);

}  // namespace navbin::reports

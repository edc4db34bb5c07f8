// Reports 0x46 (receiver health), 0x4B (machine code and status) and 0x82

#include "protocol/wire/report_health.h"

#include "protocol/wire/report_fields.h"
#include "protocol/wire/status_texts.h"

namespace navbin::reports {

std::optional<HealthReport> ParseHealth(std::span<const std::uint8_t> payload) {
  if (payload.size() != 2) return std::nullopt;
  return HealthReport{payload[0], payload[1]};
}

std::optional<MachineStatusReport> ParseMachineStatus(std::span<const std::uint8_t> payload) {
  if (payload.size() != 3) return std::nullopt;
  return MachineStatusReport{payload[0], payload[1]};
}

std::optional<DgpsModeReport> ParseDgpsMode(std::span<const std::uint8_t> payload) {
  if (payload.size() != 1) return std::nullopt;
  return DgpsModeReport{payload[0]};
}

void Describe(const HealthReport& r, FieldSink& out) {
  out.field("statusCode", r.statusCode);
  out.field("status", StatusText(r.statusCode));
  out.field("errorBits", r.errorBits);
}

void Describe(const MachineStatusReport& r, FieldSink& out) {
  out.field("machineId", r.machineId);
  out.field("statusBits", r.statusBits);
}

void Describe(const DgpsModeReport& r, FieldSink& out) {
  out.field("dgpsMode", r.dgpsMode);
  out.field("dgps", DgpsModeText(r.dgpsMode));
}

}  // namespace navbin::reports

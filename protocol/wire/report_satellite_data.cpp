#include "protocol/wire/report_satellite_data.h"

#include <algorithm>

namespace navbin::reports {

std::optional<SatelliteDataReport> ParseSatelliteData(std::span<const std::uint8_t> payload) {
  constexpr std::size_t kHeader = 4;
  if (payload.size() < kHeader || payload.size() != kHeader + payload[3]) return std::nullopt;
  SatelliteDataReport r;
  r.operation = payload[0];
  r.dataType = payload[1];
  r.sv = payload[2];
  r.length = payload[3];
  std::copy(payload.begin() + kHeader, payload.end(), r.data.begin());
  return r;
}

}  // namespace navbin::reports

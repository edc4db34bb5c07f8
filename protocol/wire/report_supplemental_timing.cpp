// Report 0x8F-AC, supplemental timing (display port only): the timing

#include "protocol/wire/report_supplemental_timing.h"

#include "link/field_codec.h"
#include "protocol/wire/report_fields.h"
#include "protocol/wire/status_texts.h"
#include "protocol/wire/units.h"

namespace navbin::reports {

std::optional<SupplementalTimingReport> ParseSupplementalTiming(
    std::span<const std::uint8_t> payload) {
  if (payload.size() != kSupplementalTimingLength) return std::nullopt;
  const std::uint8_t* p = payload.data();
  SupplementalTimingReport r;
  r.receiverMode = p[1];
  r.surveyProgress = p[3];
  r.minorAlarms = link::GetU16(p + 10);
  r.decodingStatus = p[12];
  r.clockBias = link::GetSingle(p + 16);
  r.biasRate = link::GetSingle(p + 20);
  r.latitude = link::GetDouble(p + 36);
  r.longitude = link::GetDouble(p + 44);
  r.altitude = link::GetDouble(p + 52);
  r.quantizationError = link::GetSingle(p + 60);
  r.ppsGenerated = p[64];
  return r;
}

void Describe(const SupplementalTimingReport& r, FieldSink& out) {
  out.field("receiverMode", r.receiverMode);
  out.field("mode", ReceiverModeText(r.receiverMode));
  out.field("surveyProgress", r.surveyProgress, "%");
  out.field("minorAlarms", r.minorAlarms);
  out.field("decodingStatus", r.decodingStatus);
  out.field("status", StatusText(r.decodingStatus));
  out.field("clockBias", r.clockBias, "ns");
  out.field("biasRate", r.biasRate, "ppb");
  out.field("latitude", r.latitude * kDegreesPerRadian, "deg");
  out.field("longitude", r.longitude * kDegreesPerRadian, "deg");
  out.field("altitude", r.altitude, "m");
  out.field("quantizationError", r.quantizationError, "ns");
  out.field("ppsGenerated", r.ppsGenerated);
}

}  // namespace navbin::reports

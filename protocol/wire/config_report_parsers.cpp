// The parsers of the configuration reports: payload bytes to report structs.
// Offsets count from the first payload byte; for 0x8F the sub-id is byte 0.

#include "link/field_codec.h"
#include "protocol/wire/report_datum.h"
#include "protocol/wire/report_filter.h"
#include "protocol/wire/report_gps_config.h"
#include "protocol/wire/report_io_options.h"
#include "protocol/wire/report_navtxt_config.h"
#include "protocol/wire/report_packet_masks.h"
#include "protocol/wire/report_pps_characteristics.h"
#include "protocol/wire/report_pps_output.h"
#include "protocol/wire/report_saved_to_flash.h"
#include "protocol/wire/report_self_survey.h"
#include "protocol/wire/report_sensitivity.h"
#include "protocol/wire/report_serial_config.h"
#include "protocol/wire/report_set_time_reply.h"

namespace navbin::reports {

using link::GetDouble;
using link::GetS32;
using link::GetSingle;
using link::GetU16;
using Bytes = std::span<const std::uint8_t>;

std::optional<SetTimeReplyReport> ParseSetTimeReply(Bytes p) {
  if (p.size() != kSetTimeReplyLength) return std::nullopt;
  return SetTimeReplyReport{p[0]};
}

std::optional<IoOptionsReport> ParseIoOptions(Bytes p) {
  if (p.size() != kIoOptionsLength) return std::nullopt;
  return IoOptionsReport{p[0], p[1], p[2], p[3]};
}

std::optional<FilterReport> ParseFilter(Bytes p) {
  if (p.size() != kFilterLength) return std::nullopt;
  return FilterReport{p[0], p[1], p[2]};
}

std::optional<NavTxtConfigReport> ParseNavTxtConfig(Bytes p) {
  if (p.size() != kNavTxtConfigLength) return std::nullopt;
  NavTxtConfigReport r;
  r.flags = p[1];
  r.topOfHourOffset = GetU16(&p[2]);
  for (std::size_t i = 0; i < r.periods.size(); ++i) r.periods[i] = GetU16(&p[4 + 2 * i]);
  for (std::size_t i = 0; i < r.vehicleId.size(); ++i) r.vehicleId[i] = p[20 + i];
  return r;
}

std::optional<SensitivityReport> ParseSensitivity(Bytes p) {
  if (p.size() != kSensitivityLength) return std::nullopt;
  return SensitivityReport{p[0], p[1]};
}

std::optional<GpsConfigReport> ParseGpsConfig(Bytes p) {
  if (p.size() != kGpsConfigLength) return std::nullopt;
  GpsConfigReport r;
  r.receiverMode = p[1];
  r.dgpsMode = p[2];
  r.dynamicsCode = p[3];
  r.elevationMask = GetSingle(&p[15]);
  r.signalMask = GetSingle(&p[19]);
  r.pdopMask = GetSingle(&p[23]);
  r.pdopSwitch = GetSingle(&p[27]);
  r.dgpsAgeLimit = p[35];
  return r;
}

std::optional<SerialConfigReport> ParseSerialConfig(Bytes p) {
  if (p.size() != kSerialConfigLength) return std::nullopt;
  return SerialConfigReport{p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8]};
}

std::optional<DatumReport> ParseDatum(Bytes p) {
  if (p.size() != kDatumLength) return std::nullopt;
  return DatumReport{GetU16(&p[1])};
}

std::optional<SavedToFlashReport> ParseSavedToFlash(Bytes p) {
  if (p.size() != kSavedToFlashLength) return std::nullopt;
  return SavedToFlashReport{};
}

std::optional<PpsCharacteristicsReport> ParsePpsCharacteristics(Bytes p) {
  if (p.size() != kPpsCharacteristicsLength) return std::nullopt;
  return PpsCharacteristicsReport{p[1], p[2], p[3], GetDouble(&p[4]), GetSingle(&p[12])};
}

std::optional<PpsOutputReport> ParsePpsOutput(Bytes p) {
  if (p.size() != kPpsOutputLength) return std::nullopt;
  return PpsOutputReport{p[1]};
}

std::optional<PacketMasksReport> ParsePacketMasks(Bytes p) {
  if (p.size() != kPacketMasksLength) return std::nullopt;
  return PacketMasksReport{p[1], p[2]};
}

std::optional<SelfSurveyReport> ParseSelfSurvey(Bytes p) {
  if (p.size() != kSelfSurveyLength) return std::nullopt;
  return SelfSurveyReport{p[1], p[2], GetS32(&p[3])};
}

}  // namespace navbin::reports

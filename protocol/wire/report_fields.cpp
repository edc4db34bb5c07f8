#include "protocol/wire/report_fields.h"

#include <array>
#include <cmath>
#include <limits>

#include "protocol/wire/configuration_reports.h"
#include "protocol/wire/report_fix_mode.h"
#include "protocol/wire/report_gps_time.h"
#include "protocol/wire/report_health.h"
#include "protocol/wire/report_position_lla.h"
#include "protocol/wire/report_position_xyz.h"
#include "protocol/wire/report_primary_timing.h"
#include "protocol/wire/report_saved_to_flash.h"
#include "protocol/wire/report_supplemental_timing.h"
#include "protocol/wire/report_tracking.h"
#include "protocol/wire/report_velocity.h"
#include "protocol/wire/report_version.h"
#include "protocol/wire/settings_describe.h"

namespace navbin::reports {
namespace {

using Describer = bool (*)(std::span<const std::uint8_t> payload, FieldSink& out);

// Parses with `Parse` and hands the report to the Describe of its struct.
template <auto Parse>
bool ParseAndDescribe(std::span<const std::uint8_t> payload, FieldSink& out) {
  const auto report = Parse(payload);
  if (report) Describe(*report, out);
  return report.has_value();
}

constexpr int kNoSubId = -1;

struct Registration {
  int id;
  int subId;  // for the super-packets 0x8E and 0x8F, else kNoSubId
  Describer describe;
};

// Every report the system decodes, by id and sub-id.
constexpr Registration kReports[] = {
    {0x41, kNoSubId, ParseAndDescribe<ParseGpsTime>},
    {0x42, kNoSubId, ParseAndDescribe<ParseXyzPosition>},
    {0x43, kNoSubId, ParseAndDescribe<ParseXyzVelocity>},
    {0x45, kNoSubId, ParseAndDescribe<ParseVersion>},
    {0x46, kNoSubId, ParseAndDescribe<ParseHealth>},
    {0x4A, kNoSubId, ParseAndDescribe<ParseLlaPosition>},
    {0x4B, kNoSubId, ParseAndDescribe<ParseMachineStatus>},
    {0x56, kNoSubId, ParseAndDescribe<ParseEnuVelocity>},
    {0x5C, kNoSubId, ParseAndDescribe<ParseTrackingStatus>},
    {0x6D, kNoSubId, ParseAndDescribe<ParseFixMode>},
    {0x82, kNoSubId, ParseAndDescribe<ParseDgpsMode>},
    {0x83, kNoSubId, ParseAndDescribe<ParseDoubleXyzPosition>},
    {0x84, kNoSubId, ParseAndDescribe<ParseDoubleLlaPosition>},
    // Configuration reports.
    {0x4E, kNoSubId, ParseAndDescribe<ParseSetTimeReply>},
    {0x55, kNoSubId, ParseAndDescribe<settings::Parse<settings::IoOptions>>},
    {0x70, kNoSubId, ParseAndDescribe<settings::Parse<settings::Filters>>},
    {0x7F, kNoSubId, ParseAndDescribe<settings::Parse<settings::NavTxt>>},
    {0x89, kNoSubId, ParseAndDescribe<settings::Parse<settings::Sensitivity>>},
    {0xBB, kNoSubId, ParseAndDescribe<settings::Parse<settings::GpsConfiguration>>},
    {0xBC, kNoSubId, ParseAndDescribe<settings::Parse<settings::SerialPort>>},
    {0x8F, 0x15, ParseAndDescribe<settings::Parse<settings::Datum>>},
    {0x8F, 0x26, ParseAndDescribe<ParseSavedToFlash>},
    {0x8F, 0x4A, ParseAndDescribe<settings::Parse<settings::PpsCharacteristics>>},
    {0x8F, 0x4E, ParseAndDescribe<settings::Parse<settings::PpsOutput>>},
    {0x8F, 0xA5, ParseAndDescribe<settings::Parse<settings::PacketMasks>>},
    {0x8F, 0xA9, ParseAndDescribe<settings::Parse<settings::SelfSurvey>>},
    {0x8F, 0xAB, ParseAndDescribe<ParsePrimaryTiming>},
    {0x8F, 0xAC, ParseAndDescribe<ParseSupplementalTiming>},
};

// The registrations spread into direct look-up tables, one per id and one per
// sub-id of each super-packet.
struct DescriberTables {
  std::array<Describer, 256> byId{};
  std::array<Describer, 256> sub8E{};
  std::array<Describer, 256> sub8F{};
};

constexpr DescriberTables MakeTables() {
  DescriberTables t;
  for (const Registration& r : kReports) {
    if (r.subId == kNoSubId) {
      t.byId[static_cast<std::size_t>(r.id)] = r.describe;
    } else {
      (r.id == 0x8E ? t.sub8E : t.sub8F)[static_cast<std::size_t>(r.subId)] = r.describe;
    }
  }
  return t;
}

constexpr DescriberTables kTables = MakeTables();

Describer Find(int id, std::span<const std::uint8_t> payload) {
  if (id == 0x8E || id == 0x8F) {
    if (payload.empty()) return nullptr;
    return (id == 0x8E ? kTables.sub8E : kTables.sub8F)[payload[0]];
  }
  if (id < 0 || id > 0xFF) return nullptr;
  return kTables.byId[static_cast<std::size_t>(id)];
}

class NoFields final : public FieldSink {
 protected:
  void number(std::string_view, double, std::string_view) override {}
  void single(std::string_view, float, std::string_view) override {}
  void integer(std::string_view, std::int64_t, std::string_view) override {}
  void text(std::string_view, std::string_view) override {}
};

class FieldList final : public FieldSink {
 public:
  std::vector<ReportField> fields;

 protected:
  void number(std::string_view name, double value, std::string_view unit) override {
    fields.push_back({std::string(name), value, std::string(unit)});
  }
  void single(std::string_view name, float value, std::string_view unit) override {
    fields.push_back({std::string(name), value, std::string(unit)});
  }
  void integer(std::string_view name, std::int64_t value, std::string_view unit) override {
    fields.push_back({std::string(name), value, std::string(unit)});
  }
  void text(std::string_view name, std::string_view value) override {
    fields.push_back({std::string(name), std::string(value), {}});
  }
};

}  // namespace

float NearestFloat(double value) {
  constexpr float kMax = std::numeric_limits<float>::max();
  constexpr double kHalfPastMax = 0x1.ffffffp127;  // ties to the even 2^128: infinity
  const double size = std::fabs(value);
  constexpr float kInf = std::numeric_limits<float>::infinity();
  if (size >= kHalfPastMax) return value < 0 ? -kInf : kInf;
  if (size > static_cast<double>(kMax)) return value < 0 ? -kMax : kMax;
  return static_cast<float>(value);  // NaN stays NaN
}

bool DescribeReport(int id, std::span<const std::uint8_t> payload, FieldSink& out) {
  const Describer describe = Find(id, payload);
  return describe != nullptr && describe(payload, out);
}

bool IsDecodableReport(int id, std::span<const std::uint8_t> payload) {
  NoFields none;
  return DescribeReport(id, payload, none);
}

std::vector<ReportField> DescribeReport(int id, std::span<const std::uint8_t> payload) {
  FieldList list;
  DescribeReport(id, payload, list);
  return std::move(list.fields);
}

}  // namespace navbin::reports

#pragma once
// The settings groups in file order, each with its name in the file, the
// query that asks for it, the report that answers and the command that sets
// it. Every procedure on whole settings walks this one list.

#include <cstdint>
#include <span>
#include <string>

#include "config/settings_snapshot.h"
#include "protocol/commands/config_commands.h"
#include "protocol/commands/query_commands.h"

namespace navbin::config {

// A report: its id and, where several reports share the id, its first
// payload byte (the sub-id, or the port of a serial-port report).
struct ReportKey {
  std::uint8_t id = 0;
  int lead = -1;

  bool matches(std::uint8_t packetId, std::span<const std::uint8_t> payload) const {
    if (packetId != id) return false;
    return lead < 0 || (!payload.empty() && payload[0] == lead);
  }
};

inline constexpr ReportKey kVersionReport{0x45};
inline constexpr ReportKey kSavedToFlashReport{0x8F, 0x26};
inline constexpr ReportKey kAnySerialPortReport{0xBC};

template <settings::Record R>
struct Group {
  std::string name;
  commands::CommandPacket query;
  ReportKey report;
  commands::CommandPacket (*buildSet)(const R&);
};

template <settings::Record R>
Group<R> MakeGroup(commands::CommandPacket query, ReportKey report,
                   commands::CommandPacket (*buildSet)(const R&)) {
  return {std::string(settings::Table<R>::name), query, report, buildSet};
}

// Calls visit(group, slot) for each group, where slot is the snapshot's
// std::optional of the group's record (const when the snapshot is).
template <class Snapshot, class Visit>
void ForEachGroup(Snapshot& s, Visit&& visit) {
  using namespace commands;
  visit(MakeGroup(BuildRequestIoOptions(), {0x55}, &BuildSetIoOptions), s.ioOptions);
  visit(MakeGroup(BuildRequestDatum(), {0x8F, 0x15}, &BuildSetDatum), s.datum);
  visit(MakeGroup(BuildRequestGpsConfiguration(), {0xBB}, &BuildSetGpsConfiguration), s.gps);
  for (std::uint8_t port = 0; port < s.serial.size(); ++port) {
    auto group = MakeGroup(BuildRequestSerialPortConfiguration(port), {0xBC, port},
                           &BuildSetSerialPortConfiguration);
    group.name += static_cast<char>('0' + port);
    visit(group, s.serial[port]);
  }
  visit(MakeGroup(BuildRequestFilterConfiguration(), {0x70}, &BuildSetFilterConfiguration),
        s.filters);
  visit(MakeGroup(BuildRequestPpsCharacteristics(), {0x8F, 0x4A}, &BuildSetPpsCharacteristics),
        s.ppsCharacteristics);
  visit(MakeGroup(BuildRequestPpsOutput(), {0x8F, 0x4E}, &BuildSetPpsOutput), s.ppsOutput);
  visit(MakeGroup(BuildRequestPacketMasks(), {0x8F, 0xA5}, &BuildSetPacketMasks), s.packetMasks);
  visit(MakeGroup(BuildRequestSelfSurveyParameters(), {0x8F, 0xA9}, &BuildSetSelfSurveyParameters),
        s.selfSurvey);
  visit(MakeGroup(BuildRequestSensitivityMode(), {0x89}, &BuildSetSensitivityMode), s.sensitivity);
  visit(MakeGroup(BuildRequestNavTxtConfiguration(), {0x7F}, &BuildSetNavTxtConfiguration),
        s.navTxt);
}

}  // namespace navbin::config

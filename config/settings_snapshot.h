#pragma once
// A receiver's settings as one record: every settings group it reports, each
// present once read (or once found in a settings file), and who it is.

#include <array>
#include <optional>
#include <string>

#include "protocol/settings/datum.h"
#include "protocol/settings/filters.h"
#include "protocol/settings/gps_configuration.h"
#include "protocol/settings/io_options.h"
#include "protocol/settings/navtxt.h"
#include "protocol/settings/packet_masks.h"
#include "protocol/settings/pps_characteristics.h"
#include "protocol/settings/pps_output.h"
#include "protocol/settings/self_survey.h"
#include "protocol/settings/sensitivity.h"
#include "protocol/settings/serial_port.h"
#include "protocol/wire/report_version.h"

namespace navbin::config {

// The firmware versions and when the settings were read (UTC, ISO 8601).
struct Identity {
  std::optional<reports::VersionReport> version;
  std::string readAt;
};

struct SettingsSnapshot {
  std::optional<settings::IoOptions> ioOptions;
  std::optional<settings::Datum> datum;
  std::optional<settings::GpsConfiguration> gps;
  std::array<std::optional<settings::SerialPort>, 2> serial;  // receiver ports 0 and 1
  std::optional<settings::Filters> filters;
  std::optional<settings::PpsCharacteristics> ppsCharacteristics;
  std::optional<settings::PpsOutput> ppsOutput;
  std::optional<settings::PacketMasks> packetMasks;
  std::optional<settings::SelfSurvey> selfSurvey;
  std::optional<settings::Sensitivity> sensitivity;
  std::optional<settings::NavTxt> navTxt;
  Identity identity;
};

}  // namespace navbin::config

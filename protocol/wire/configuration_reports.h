#pragma once
// The last configuration reports of one port's receiver, as parsed. The
// dialogs show the display port's; tests and tools read them here.

#include <array>
#include <optional>

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
#include "protocol/wire/report_set_time_reply.h"

namespace navbin::reports {

struct ConfigurationReports {
  std::optional<SetTimeReplyReport> setTimeReply;
  std::optional<settings::IoOptions> ioOptions;
  std::optional<settings::Datum> datum;
  std::optional<settings::Filters> filter;
  std::optional<settings::NavTxt> navTxt;
  std::optional<settings::Sensitivity> sensitivity;
  std::optional<settings::GpsConfiguration> gps;
  std::array<std::optional<settings::SerialPort>, 2> serial;  // receiver ports 0 and 1
  std::optional<settings::PpsCharacteristics> ppsCharacteristics;
  std::optional<settings::PpsOutput> ppsOutput;
  std::optional<settings::PacketMasks> packetMasks;
  std::optional<settings::SelfSurvey> selfSurvey;
  int savedToFlash = 0;  // 0x8F-26 reports received
};

}  // namespace navbin::reports

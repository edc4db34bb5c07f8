#pragma once
// The last configuration reports of one port's receiver, as parsed. The
// dialogs show the display port's; tests and tools read them here.

#include <array>
#include <optional>

#include "protocol/wire/report_datum.h"
#include "protocol/wire/report_filter.h"
#include "protocol/wire/report_gps_config.h"
#include "protocol/wire/report_io_options.h"
#include "protocol/wire/report_navtxt_config.h"
#include "protocol/wire/report_packet_masks.h"
#include "protocol/wire/report_pps_characteristics.h"
#include "protocol/wire/report_pps_output.h"
#include "protocol/wire/report_self_survey.h"
#include "protocol/wire/report_sensitivity.h"
#include "protocol/wire/report_serial_config.h"
#include "protocol/wire/report_set_time_reply.h"

namespace navbin::reports {

struct ConfigurationReports {
  std::optional<SetTimeReplyReport> setTimeReply;
  std::optional<IoOptionsReport> ioOptions;
  std::optional<DatumReport> datum;
  std::optional<FilterReport> filter;
  std::optional<NavTxtConfigReport> navTxt;
  std::optional<SensitivityReport> sensitivity;
  std::optional<GpsConfigReport> gps;
  std::array<std::optional<SerialConfigReport>, 2> serial;  // receiver ports 0 and 1
  std::optional<PpsCharacteristicsReport> ppsCharacteristics;
  std::optional<PpsOutputReport> ppsOutput;
  std::optional<PacketMasksReport> packetMasks;
  std::optional<SelfSurveyReport> selfSurvey;
  int savedToFlash = 0;  // 0x8F-26 reports received
};

}  // namespace navbin::reports

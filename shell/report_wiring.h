#pragma once
// The steps that follow the decoders, owned by the layers above them, wired to
// one dispatcher in their fixed order: the data log's steps first, then the
// position download, then setting the PC clock. Within one packet the order
// is that of logging/position_log.h, then shell/download_position.h.

#include "logging/data_log_link.h"
#include "logging/position_log.h"
#include "protocol/receiver/dispatcher.h"
#include "shell/download_position.h"
#include "shell/pc_clock.h"

namespace navbin::shell {

inline void WireReportSteps(reports::ReportDispatcher& dispatcher, logging::DataLogLink& log) {
  logging::AddPositionLogSteps(dispatcher, log);
  AddPositionDownloadSteps(dispatcher);
  AddSetClockStep(dispatcher);
}

}  // namespace navbin::shell

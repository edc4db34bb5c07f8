#pragma once
// What the charts read: the report history, the decoded receiver state and
// which port is the display port. All owned by the core; the charts only read.

#include <cstddef>
#include <optional>

#include "link/port_selection.h"
#include "protocol/history/report_history.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::ui {

struct SkyFeed {
  const reports::ReportHistory& history;
  const reports::ReportState& reports;
  const link::PortSelection& shell;
  // A recording shown instead of the display port, its receiver on port
  // index 0; null while live.
  const reports::ReportHistory* recordedHistory = nullptr;
  const reports::ReportState* recordedReports = nullptr;

  const reports::ReportHistory& shownHistory() const {
    return recordedHistory ? *recordedHistory : history;
  }
  const reports::ReportState& shownReports() const {
    return recordedReports ? *recordedReports : reports;
  }
  // The port shown: the display port's index, or nothing while no valid
  // port is chosen; 0 for a recording.
  std::optional<std::size_t> displayIndex() const {
    if (recordedHistory) return 0;
    const int com = shell.displayPort;
    if (com < 1 || com > link::kPortCount) return std::nullopt;
    return static_cast<std::size_t>(com - 1);
  }
};

}  // namespace navbin::ui

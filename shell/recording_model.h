#pragma once
// A recording (a raw packet log, or navbin-log's) read straight into what the
// chart windows show: every packet through a dispatcher of its own as if it
// came from the display port, so the series, the sky's last state and the
// clock statistics are those a replay through a port would leave, without
// the port or its pacing.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "protocol/analysis/clock_stability.h"
#include "protocol/history/report_history.h"
#include "protocol/receiver/receiver_state.h"

namespace navbin::shell {

class RecordingModel {
 public:
  // Bytes read and the file's size (0 when not known); false cancels.
  using Progress = std::function<bool(std::uint64_t read, std::uint64_t size)>;

  RecordingModel();
  ~RecordingModel();
  RecordingModel(const RecordingModel&) = delete;
  RecordingModel& operator=(const RecordingModel&) = delete;

  // Reads `path` whole, calling `progress` after each block. False when the
  // file cannot be read (error() says why) or the reading was cancelled.
  bool load(const std::string& path, const Progress& progress = {});

  // The recorded receiver sits on port index 0.
  const reports::ReportHistory& history() const { return history_; }
  const reports::ReportState& reports() const { return state_; }
  const analysis::ClockStability* clock() const { return clocks_.port(0); }
  const std::string& error() const { return error_; }
  std::uint64_t packets() const { return packets_; }

 private:
  struct Decoding;
  reports::ReportState state_;
  reports::ReportHistory history_;
  analysis::ClockHistory clocks_;
  std::unique_ptr<Decoding> decoding_;
  std::string error_;
  std::uint64_t packets_ = 0;
};

}  // namespace navbin::shell

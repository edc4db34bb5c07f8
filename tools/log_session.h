#pragma once
// navbin-log without its command line: the application's core over the
// given ports, both logs started, the monitor cycle ticking every 200 ms and
// the data log's one-second timer, a status line now and then; with --serve
// the receivers shared on TCP between the ticks, with --metrics their health
// served for Prometheus.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/serial_device.h"
#include "platform/system_clock.h"
#include "shell/monitor_core.h"
#include "tools/headless_io.h"
#include "tools/log_options.h"
#include "tools/metrics/metrics_server.h"
#include "tools/taps/port_taps.h"
#include "tools/timing/time_service.h"

namespace navbin::tools {

class LogSession {
 public:
  // Messages and status lines go to `err`.
  // `pps` stands in for the pulse device of the options (tests).
  LogSession(const LogOptions& options, platform::SerialBackend& backend, std::FILE* err,
             std::unique_ptr<platform::PpsSource> pps = nullptr);
  ~LogSession();
  LogSession(const LogSession&) = delete;
  LogSession& operator=(const LogSession&) = delete;

  // Opens every port and starts the logs: 0, or 2 after a message naming
  // the device or file that cannot be used (everything is closed again).
  int start();
  // Ticks until `stop` answers true; between ticks it sleeps, or serves the
  // shared receivers' clients.
  void run(const std::function<bool()>& stop);
  // The last status line, the raw log's last frames, every port closed.
  void finish();

  // "navbin-log: COM1 12 records, 80 packets; COM2 0 records, 0 packets, silent; ..."
  // A port is silent when no packet came since the last status line; a
  // data log or raw log file that cannot be written is named while it fails.
  std::string statusLine();

 private:
  bool listen();
  bool startTime();
  bool startMetrics();
  void refreshMetrics();
  bool openPorts();
  bool startLogs();
  void tick();
  void portLost(int index);
  void note(const std::string& text);
  // Names a file fault the tick it appears, and its end.
  void noteFaultChanges();

  LogOptions options_;
  std::FILE* err_;
  HeadlessDisplay display_;
  StderrPrompter prompter_;
  platform::RealSystemClock clock_;
  PortTaps taps_;                              // before the core, whose ports it wraps
  std::unique_ptr<timing::TimeService> time_;  // taps the first port
  shell::MonitorCore core_;
  std::unique_ptr<metrics::MetricsServer> metrics_;
  int ports_ = 0;
  std::uint64_t ticks_ = 0;
  std::vector<std::uint64_t> packetsAtStatus_;
  std::vector<std::uint64_t> reopened_;          // per port
  std::vector<metrics::PortCounts> portCounts_;  // refilled each tick for the metrics
  std::vector<std::string> faultsNoted_;         // per port's data log, then the raw log
  bool finished_ = false;
};

}  // namespace navbin::tools

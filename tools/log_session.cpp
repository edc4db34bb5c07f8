#include "tools/log_session.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/build_date.h"
#include "platform/stop_signals.h"
#include "protocol/presentation/control_names.h"

namespace navbin::tools {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTick = std::chrono::milliseconds(200);
constexpr int kTicksPerSecond = 5;
constexpr auto kStatusEvery = std::chrono::minutes(1);
constexpr const char* kProgram = "navbin-log";

std::string Folder(const std::string& root) {
  const auto slash = root.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : root.substr(0, slash);
}

}  // namespace

LogSession::LogSession(const LogOptions& options, platform::SerialBackend& backend, std::FILE* err,
                       std::unique_ptr<platform::PpsSource> pps)
    : options_(options),
      err_(err),
      prompter_(kProgram, err),
      taps_(backend, options.ports, options.serve, options.allowCommands,
            [this](const std::string& text, bool fault) {
              if (fault || !options_.quiet) note(text);
            }),
      core_(taps_.backend(), display_, prompter_, clock_),
      ports_(static_cast<int>(options.ports.size())),
      packetsAtStatus_(options.ports.size(), 0),
      reopened_(options.ports.size(), 0),
      faultsNoted_(options.ports.size() + 1) {
  if (options.metrics) {
    metrics_ = std::make_unique<metrics::MetricsServer>(*options.metrics, options.ports);
    core_.dispatcher.addReportObserver(
        [this](const link::PortContext& port, const reports::ReceiverState& receiver) {
          metrics_->take(static_cast<int>(port.portIndex), port.packetId,
                         {port.payload(), port.packetLen}, receiver, Clock::now());
        });
  }
  if (!options.time.any()) return;
  time_ = std::make_unique<timing::TimeService>(options.time, std::move(pps),
                                                timing::GpsWeekOf(platform::BuildDate()),
                                                [this](const std::string& text) { note(text); });
  taps_.tap(0, *time_);
}

LogSession::~LogSession() {
  finish();
}

void LogSession::note(const std::string& text) {
  std::fprintf(err_, "%s: %s\n", kProgram, text.c_str());
  std::fflush(err_);
}

int LogSession::start() {
  for (int i = 0; i < ports_; ++i) {
    core_.portMap.assign(i + 1, options_.ports[static_cast<std::size_t>(i)]);
    core_.shell.portList[static_cast<std::size_t>(i)] = i + 1;
  }
  core_.shell.portListCount = ports_;
  core_.shell.displayPort = 1;
  core_.sender.setPause(shell::kCommandPause);
  core_.cycle.setPortLostHook([this](int index) { portLost(index); });
  core_.cycle.portReturn().setReopenedHook([this](int index) {
    ++reopened_.at(static_cast<std::size_t>(index));
    note("COM" + std::to_string(index + 1) + " " + core_.channel.DeviceName(index + 1) +
         ": back, logging again");
  });
  if (!listen() || !startMetrics() || !startTime() || !openPorts() || !startLogs()) {
    finished_ = true;
    core_.dataLogger.stopDataLog();
    core_.closeAll();
    return 2;
  }
  if (!options_.quiet) {
    std::string text = "logging";
    for (int i = 0; i < ports_; ++i) {
      text += (i ? ", COM" : " COM") + std::to_string(i + 1) + " " + options_.ports[std::size_t(i)];
    }
    text += " into " + DataFileRoot(options_.dataRoot) + "N.dat";
    if (!options_.rawFile.empty()) text += ", raw log of COM1 into " + options_.rawFile;
    note(text);
    if (metrics_) note(metrics_->describe());
    if (taps_.serving()) {
      note(taps_.describe() + (options_.allowCommands ? "; clients' commands reach the receivers"
                                                      : "; clients' commands are dropped"));
    }
  }
  return 0;
}

bool LogSession::startTime() {
  std::string error;
  if (!time_ || time_->start(error)) return true;
  note("cannot serve the time: " + error);
  return false;
}

bool LogSession::startMetrics() {
  std::string error;
  if (!metrics_ || metrics_->start(error)) return true;
  note("cannot serve metrics on " + error);
  return false;
}

bool LogSession::listen() {
  std::string error;
  if (!taps_.serving() || taps_.listen(error)) return true;
  note("cannot serve on " + error);
  return false;
}

// The first port opens as the application's display port does, the others
// as its multi-port commands open them; all are monitored.
bool LogSession::openPorts() {
  for (int com = 1; com <= ports_; ++com) {
    const bool opened = com == 1 ? core_.openDisplayPort() : core_.multiPort.openOnePort(com) == 0;
    if (!opened) {
      note("cannot open " + core_.channel.DeviceName(com) + ": " +
           platform::OpenErrorText(core_.channel.lastOpenError()));
      return false;
    }
    core_.ports[static_cast<std::size_t>(com - 1)].monitored = true;
  }
  return true;
}

bool LogSession::startLogs() {
  const std::string root = DataFileRoot(options_.dataRoot);
  if (::access(Folder(root).c_str(), W_OK) != 0) {
    note("cannot write data logs into " + Folder(root) + ": " + std::strerror(errno));
    return false;
  }
  // Both files are tried before either log empties anything.
  if (!options_.rawFile.empty()) {
    std::FILE* raw = std::fopen(options_.rawFile.c_str(), "ab");
    if (!raw) {
      note("cannot open the raw log " + options_.rawFile + ": " + std::strerror(errno));
      return false;
    }
    std::fclose(raw);
  }
  logging::DataLogSetup setup;
  setup.sets = options_.sets;
  setup.intervalText = std::to_string(options_.interval);
  setup.fileRoot = root;
  setup.systemTimer = options_.systemTimer;
  setup.append = options_.append;
  // The missing-bias warning looks at the Bias box of the logging window.
  display_.setChecked(reports::Form::Log, reports::names::CheckBox_Bias,
                      logging::Has(setup.sets, logging::DataSet::Bias));
  core_.dataLog.biasWarningGiven.fill(0);
  if (!core_.dataLogger.startDataLog(setup)) return false;
  for (int i = 0; i < ports_; ++i) {
    if (const std::string& fault = core_.dataLogger.fileFault(i); !fault.empty()) {
      note(fault);
      return false;
    }
  }
  if (options_.rawFile.empty()) return true;
  core_.rawLog.rawLogFileName = options_.rawFile;
  core_.rawLog.Start(options_.append);
  if (!core_.rawLog.active()) {
    note("cannot open the raw log " + options_.rawFile);
    return false;
  }
  return true;
}

void LogSession::run(const std::function<bool()>& stop) {
  auto next = Clock::now() + kTick;
  auto nextStatus = Clock::now() + kStatusEvery;
  while (!stop()) {
    const auto now = Clock::now();
    if (now < next) {
      // A signal ends the wait at once.
      const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - now);
      if (taps_.active()) {
        taps_.wait(wait);
      } else {
        platform::SleepUnlessStopped(wait);
      }
      continue;
    }
    tick();
    next += kTick;
    if (next < now) next = now + kTick;  // after a stall, no burst of ticks
    if (!options_.quiet && now >= nextStatus) {
      note(statusLine());
      nextStatus += kStatusEvery;
    }
  }
}

void LogSession::tick() {
  core_.cycle.NavBinTimer();
  if (++ticks_ % kTicksPerSecond == 0) core_.dataLogger.systemTimer();
  noteFaultChanges();
  refreshMetrics();
}

void LogSession::refreshMetrics() {
  if (!metrics_) return;
  std::vector<metrics::PortCounts>& counts = portCounts_;
  counts.resize(static_cast<std::size_t>(ports_));
  for (int i = 0; i < ports_; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const link::PortContext& port = core_.ports[at];
    counts[at] = {
        .open = port.isOpen,
        .packets = core_.dispatcher.packetsTaken(i),
        .bytes = port.readIo.bytes,
        .reopened = reopened_[at],
        .records = core_.dataLogger.recordsWritten(i),
        .writeErrors = core_.dataLogger.writeErrors(i) + (i == 0 ? core_.rawLog.writeErrors() : 0)};
  }
  metrics::LoggerCounts logger;
  if (taps_.serving()) logger.serveClients = taps_.clients();
  if (time_) {
    logger.timeOffset = time_->lastOffset();
    logger.timeSamples = time_->samples();
  }
  metrics_->refresh(counts, logger, Clock::now());
}

// A full disk or a failing device must not wait for the next status line:
// each file's fault is named when it starts or changes, and when it ends.
void LogSession::noteFaultChanges() {
  for (std::size_t i = 0; i < faultsNoted_.size(); ++i) {
    const bool raw = i == faultsNoted_.size() - 1;
    const std::string& fault =
        raw ? core_.rawLog.fault() : core_.dataLogger.fileFault(static_cast<int>(i));
    if (fault == faultsNoted_[i]) continue;
    const std::string file = raw ? "NavBin log" : "COM" + std::to_string(i + 1) + " data log";
    note(fault.empty() ? file + ": writing again" : raw ? fault : file + ": " + fault);
    faultsNoted_[i] = fault;
  }
}

// As in the application: the port is closed and opened again once its
// device is back; its data log file goes on where it stopped.
void LogSession::portLost(int index) {
  core_.closeLostPort(index);
  note("COM" + std::to_string(index + 1) + " " + core_.channel.DeviceName(index + 1) +
       ": device lost");
}

std::string LogSession::statusLine() {
  std::string line;
  for (int i = 0; i < ports_; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const std::uint64_t packets = core_.dispatcher.packetsTaken(i);
    const link::PortContext& port = core_.ports[at];
    line += i ? "; COM" : "COM";
    line += std::to_string(i + 1) + " " + std::to_string(core_.dataLogger.recordsWritten(i)) +
            " records, " + std::to_string(packets) + " packets";
    if (port.deviceLost && !port.isOpen) {
      line += ", lost";
    } else if (packets == packetsAtStatus_[at]) {
      line += ", silent";
    }
    if (const std::string& fault = core_.dataLogger.fileFault(i); !fault.empty()) {
      line += ", " + fault;
    }
    packetsAtStatus_[at] = packets;
  }
  if (const std::string& fault = core_.rawLog.fault(); !fault.empty()) line += "; " + fault;
  if (time_) line += "; " + time_->status();
  if (taps_.serving()) line += "; serve: " + std::to_string(taps_.clients()) + " clients";
  return line;
}

void LogSession::finish() {
  if (finished_) return;
  finished_ = true;
  if (!options_.quiet) note("stopped: " + statusLine());
  core_.closeAll();
}

}  // namespace navbin::tools

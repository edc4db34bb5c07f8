#pragma once
// The Qt-free heart of the application: the port table, the channel, the send
// path, the report state and dispatcher, the monitor cycle and the multi-port
// control, created once by main and handed to the windows by reference.

#include <chrono>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "logging/data_log.h"
#include "logging/data_log_link.h"
#include "logging/raw_log.h"
#include "platform/port_map.h"
#include "platform/serial_device.h"
#include "platform/system_clock.h"
#include "protocol/analysis/clock_stability.h"
#include "protocol/commands/packet_sender.h"
#include "protocol/history/report_history.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "protocol/receiver/dispatcher.h"
#include "protocol/receiver/receiver_state.h"
#include "shell/monitor_cycle.h"
#include "shell/multi_port_control.h"
#include "shell/report_wiring.h"

namespace navbin::shell {

// The pause after every command sent by a running program (tests use none).
inline constexpr std::chrono::microseconds kCommandPause{1000};

struct MonitorCore {
  MonitorCore(platform::SerialBackend& backend, reports::Display& display,
              reports::Prompter& prompter, platform::SystemClock& clock)
      : channel(backend, portMap),
        sender(channel, ports, shell, reports.globals.logTrigger),
        dispatcher(reports::DecoderContext{reports, shell, display, prompter, clock}),
        multiPort(channel, ports, shell, sender, display, prompter),
        cycle(channel, ports, shell, sender, dispatcher, display, multiPort),
        dataLogger(reports, ports, shell, dataLog, display, prompter),
        rawLog(reports.globals, dataLog, display, prompter),
        history(&clock) {
    connectLogs();
    dispatcher.addReportObserver(
        [this](const link::PortContext& port, const reports::ReceiverState& receiver) {
          history.observe(port, receiver);
          clocks.observe(port.portIndex, port.packetId, {port.payload(), port.packetLen});
        });
  }

  MonitorCore(const MonitorCore&) = delete;
  MonitorCore& operator=(const MonitorCore&) = delete;

  // Opens the display port as start-up does: its identification runs from
  // countdown 7, every port's PC side is 9600 8-O-1 and auto-queries are on.
  // False when the device cannot be opened (channel.lastOpenError() says why).
  bool openDisplayPort();
  // A port whose device went away is closed and marked on its timeline; the
  // monitor cycle's port return opens it again once the device is back.
  void closeLostPort(int portIndex);
  // At exit: the raw log's last frames written and its file closed, then
  // every open port closed.
  void closeAll();

  platform::PortMap portMap;
  link::PortTable ports;
  link::PortSelection shell;
  reports::ReportState reports;
  logging::DataLogLink dataLog;
  link::SerialChannel channel;
  commands::PacketSender sender;
  reports::ReportDispatcher dispatcher;
  MultiPortControl multiPort;
  MonitorCycle cycle;
  logging::DataLog dataLogger;
  logging::RawLog rawLog;
  // Sky, time series, PC clock offset and events of every decoded port, for
  // the charts.
  reports::ReportHistory history;
  // Stability statistics of every decoded port's clock, for the Stability window.
  analysis::ClockHistory clocks;

 private:
  // The steps after the decoders (data-log records, position download, PC
  // clock), the raw log fed by the dispatcher, and every tick ending by
  // writing the raw log's frames.
  void connectLogs() {
    WireReportSteps(dispatcher, dataLog);
    dataLog.writeDataRecord = [this](int port) { dataLogger.writeDataRecord(port); };
    dispatcher.setRawPacketWriter([this](int id, const std::uint8_t* payload, std::size_t n) {
      rawLog.writeRawPacket(id, payload, n);
    });
    cycle.setTickEndHook([this] { rawLog.flush(); });
  }
};

}  // namespace navbin::shell

#include "app/main_serial_apply.h"

#include "protocol/commands/line_codes.h"
#include "protocol/presentation/port_control_names.h"

namespace navbin::app {
namespace {

// Longest 0xBC set frame: DLE, id, ten bytes that may each be doubled, DLE ETX.
constexpr std::size_t kSetFrameBytes = 2 + 2 * 11 + 2;

link::LineSettings LineOf(const settings::SerialPort& record) {
  return {record.inputBaud, record.dataBits, record.parity, record.stopBits};
}

// Moves one open port's PC side to `line` and remembers it as the port's settings.
void MovePcPort(shell::MonitorCore& core, std::size_t index, const link::LineSettings& line) {
  link::PortContext& port = core.ports[index];
  if (!port.isOpen || !port.handle) return;
  // A refused setting is not reported; the port keeps what the driver has.
  core.channel.SetLineParameters(*port.handle, commands::BaudRateOfCode(line.baudCode),
                                 commands::DataBitsOfCode(line.dataBitsCode),
                                 commands::ParityOfCode(line.parityCode),
                                 commands::StopBitsOfCode(line.stopBitsCode));
  core.shell.lineSettings[index] = line;
}

}  // namespace

settings::SerialPort FactoryLineRecord() {
  settings::SerialPort record;
  record.port = settings::kArrivalPort;
  record.inputBaud = 7;
  record.dataBits = 3;
  record.parity = 1;
  record.stopBits = 0;
  record.inputProtocols = 0x02;
  record.outputProtocols = 0x02;
  return record;
}

void ApplySerialPortSettings(shell::MonitorCore& core, reports::Display& display,
                             reports::Prompter& prompter, settings::SerialPort record, bool ask,
                             const SerialApplySleep& sleep) {
  if (!ask || !prompter.ask("Change PC com settings to match?", "Update PC?")) {
    commands::SetSerialPortConfiguration(core.sender, commands::DISPLAY_PORT, record);
    return;
  }
  record.port = settings::kArrivalPort;
  commands::SetSerialPortConfiguration(core.sender, commands::DISPLAY_PORT, record);

  const link::LineSettings line = LineOf(record);
  const int displayIndex = core.shell.displayIndex();
  const bool displayValid = displayIndex >= 0 && displayIndex < link::kPortCount;
  display.setText(reports::Form::Main, reports::names::Panel_Serial,
                  commands::SerialSettingsText(core.shell.displayPort, line));

  // Let the set command leave at the old speed before the PC side changes.
  link::LineSettings slowest = displayValid ? core.shell.lineSettings[displayIndex] : line;
  for (std::size_t i = 0; i < core.ports.size(); ++i) {
    link::PortContext& port = core.ports[i];
    if (!port.isOpen || !port.handle) continue;
    if (!core.shell.transmitToAll && static_cast<int>(i) != displayIndex) continue;
    port.handle->flushOutput();
    if (commands::BaudRateOfCode(core.shell.lineSettings[i].baudCode) <
        commands::BaudRateOfCode(slowest.baudCode)) {
      slowest = core.shell.lineSettings[i];
    }
  }
  if (sleep) sleep(commands::FrameDrainTime(slowest, kSetFrameBytes));

  if (core.shell.transmitToAll) {
    for (std::size_t i = 0; i < core.ports.size(); ++i) MovePcPort(core, i, line);
  } else if (displayValid) {
    MovePcPort(core, static_cast<std::size_t>(displayIndex), line);
  }
}

}  // namespace navbin::app

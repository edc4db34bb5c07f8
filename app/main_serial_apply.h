#pragma once
// Applying a receiver serial-port setting: the 0xBC set command and, when the
// user agrees, moving the PC side of the line to the same settings. The
// factory reset uses it now; the serial-port dialog is its other caller.

#include <chrono>
#include <cstddef>
#include <functional>

#include "protocol/commands/config_commands.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"
#include "shell/monitor_core.h"

namespace navbin::app {

using SerialApplySleep = std::function<void(std::chrono::milliseconds)>;

// With `ask`, asks "Change PC com settings to match?". On No (or without
// asking) only the set command goes out, for the record as given. On Yes the
// command is addressed to the receiver port it arrives on (0xFF), the serial
// panel shows the new settings, and after the frame has left, the PC side of
// the display port (of every open port while Tx All is on) takes them.
void ApplySerialPortSettings(shell::MonitorCore& core, reports::Display& display,
                             reports::Prompter& prompter, settings::SerialPort record, bool ask,
                             const SerialApplySleep& sleep);

// The record the factory reset applies: the receiver's factory line (9600
// baud, 8 data bits, odd parity, 1 stop bit), the port the command arrives on,
// and NavBin in and out, which is what a receiver speaks after a factory reset.
settings::SerialPort FactoryLineRecord();

}  // namespace navbin::app

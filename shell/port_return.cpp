#include "shell/port_return.h"

#include "protocol/commands/line_codes.h"
#include "protocol/presentation/port_control_names.h"

namespace navbin::shell {

namespace {

// A bare pseudo-terminal number is given to the next program that asks for a
// terminal: when it appears again it is not the same device. Links to one
// (a simulator's --link) and real devices are.
bool NamesTheSameDeviceWhenBack(const std::string& path) {
  return !path.empty() && path.rfind("/dev/pts/", 0) != 0;
}

}  // namespace

void PortReturn::watch(int index, bool monitored) {
  if (index < 0 || index >= link::kPortCount) return;
  if (!NamesTheSameDeviceWhenBack(channel_.DeviceName(index + 1))) return;
  waiting_[static_cast<std::size_t>(index)] = true;
  monitored_[static_cast<std::size_t>(index)] = monitored;
}

void PortReturn::check() {
  for (int i = 0; i < link::kPortCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (!waiting_[at]) continue;
    const bool wanted = shell_.isDisplayPort(static_cast<std::uint32_t>(i)) || monitored_[at];
    if (ports_[at].isOpen || !wanted) {
      waiting_[at] = false;
      continue;
    }
    if (!channel_.DeviceExists(i + 1) || !reopen(i)) continue;  // try again in a second
    waiting_[at] = false;
    if (reopened_) reopened_(i);
  }
}

// Opens the port as a fresh open does and runs the identification again. A
// port whose PC side had been moved off 9600 8-O-1 gets its settings back
// and skips the step of the countdown that would reset them.
bool PortReturn::reopen(int index) {
  const auto at = static_cast<std::size_t>(index);
  link::PortContext& port = ports_[at];
  const int com = index + 1;
  if (channel_.OpenPort(port, channel_.DeviceName(com), static_cast<std::uint32_t>(index)) != 0) {
    return false;
  }
  port.monitored = monitored_[at];
  const link::LineSettings line = shell_.lineSettings[at];
  if (line == link::LineSettings{}) {
    port.startupState = 9;
    return true;
  }
  channel_.SetLineParameters(*port.handle, commands::BaudRateOfCode(line.baudCode),
                             commands::DataBitsOfCode(line.dataBitsCode),
                             commands::ParityOfCode(line.parityCode),
                             commands::StopBitsOfCode(line.stopBitsCode));
  port.startupState = 3;
  if (shell_.isDisplayPort(static_cast<std::uint32_t>(index))) {
    display_.setText(reports::Form::Main, reports::names::Panel_Serial,
                     commands::SerialSettingsText(com, line));
  }
  return true;
}

}  // namespace navbin::shell

#include "shell/monitor_core.h"

namespace navbin::shell {

bool MonitorCore::openDisplayPort() {
  const int com = shell.displayPort;
  if (com < 1 || com > link::kPortCount) return false;
  const auto index = static_cast<std::uint32_t>(com - 1);
  link::PortContext& port = ports[index];
  if (channel.OpenPort(port, channel.DeviceName(com), index) != 0) return false;
  port.startupState = 7;
  shell.lineSettings.fill(link::LineSettings{7, 3, 1, 0});
  shell.autoQuery = true;
  return true;
}

void MonitorCore::closeLostPort(int portIndex) {
  if (portIndex < 0 || portIndex >= link::kPortCount) return;
  channel.ClosePort(ports[static_cast<std::size_t>(portIndex)]);
  history.portLost(static_cast<std::size_t>(portIndex));
}

void MonitorCore::closeAll() {
  rawLog.closeFile();
  for (link::PortContext& port : ports) {
    if (port.isOpen) channel.ClosePort(port);
  }
}

}  // namespace navbin::shell

#include "app/settings_file_link.h"

#include <algorithm>
#include <thread>

#include "protocol/commands/line_codes.h"
#include "protocol/commands/send_command.h"
#include "protocol/presentation/control_names.h"
#include "protocol/presentation/port_control_names.h"

namespace navbin::app {

namespace {
// Longest sleep between two refreshes of the windows.
constexpr int kRefreshMs = 40;
}  // namespace

link::PortContext* SettingsFileLink::displayPort() const {
  const int index = core_.shell.displayIndex();
  if (index < 0 || index >= link::kPortCount) return nullptr;
  link::PortContext& port = core_.ports[static_cast<std::size_t>(index)];
  return port.isOpen && !port.deviceLost ? &port : nullptr;
}

bool SettingsFileLink::send(const commands::CommandPacket& packet) {
  if (!displayPort()) return false;
  commands::SendCommand(core_.sender, commands::DISPLAY_PORT, packet);
  return displayPort() != nullptr;
}

std::optional<std::vector<std::uint8_t>> SettingsFileLink::await(
    const config::ReportKey& key, std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeout;
  std::optional<std::vector<std::uint8_t>> found;
  const link::PacketHandler capture = [&](link::PortContext& p) {
    display_.setColour(reports::Form::Main, reports::names::Shape_RxLED, reports::Colour::Lime);
    const std::span<const std::uint8_t> payload{p.payload(), p.packetLen};
    if (found || !key.matches(static_cast<std::uint8_t>(p.packetId), payload)) return;
    found.emplace(payload.begin(), payload.end());
    core_.channel.captureFlag = true;
  };
  core_.channel.captureFlag = false;
  for (;;) {
    link::PortContext* port = displayPort();
    if (view_.cancelRequested() || !port || core_.channel.PollPort(*port, capture, true) != 0) {
      break;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (found || left <= 0) break;
    core_.channel.WaitForInput(*port, static_cast<int>(std::min<long long>(left, kRefreshMs)));
    view_.refresh();
  }
  core_.channel.captureFlag = false;
  return found;
}

link::LineSettings SettingsFileLink::line() const {
  const int index = core_.shell.displayIndex();
  if (index < 0 || index >= link::kPortCount) return {};
  return core_.shell.lineSettings[static_cast<std::size_t>(index)];
}

bool SettingsFileLink::follow(const link::LineSettings& line, std::chrono::milliseconds drain) {
  link::PortContext* port = displayPort();
  if (!port || !port->handle) return false;
  port->handle->flushOutput();
  std::this_thread::sleep_for(drain);
  port->handle->flushOutput();
  // A setting the driver refuses is not reported, as in the serial dialog.
  core_.channel.SetLineParameters(*port->handle, commands::BaudRateOfCode(line.baudCode),
                                  commands::DataBitsOfCode(line.dataBitsCode),
                                  commands::ParityOfCode(line.parityCode),
                                  commands::StopBitsOfCode(line.stopBitsCode));
  port->handle->purge();
  port->frameLen = 0;
  port->dleSeen = false;
  core_.shell.lineSettings[static_cast<std::size_t>(core_.shell.displayIndex())] = line;
  display_.setText(reports::Form::Main, reports::names::Panel_Serial,
                   commands::SerialSettingsText(core_.shell.displayPort, line));
  return true;
}

}  // namespace navbin::app

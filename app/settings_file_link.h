#pragma once
// The settings procedures' line in the monitor: the display port. Commands
// go through the single send path; a wait polls the port with its own packet
// handler (nothing else is decoded meanwhile), sleeps on the device between
// reads and keeps the windows painted, like the satellite-data transfers.

#include "config/settings_link.h"
#include "protocol/presentation/display.h"
#include "shell/monitor_core.h"
#include "transfer/transfer_view.h"

namespace navbin::app {

class SettingsFileLink final : public config::SettingsLink {
 public:
  SettingsFileLink(shell::MonitorCore& core, reports::Display& display,
                   transfer::TransferView& view)
      : core_(core), display_(display), view_(view) {}

  // The display port, open and there; nullptr otherwise.
  link::PortContext* displayPort() const;

  bool send(const commands::CommandPacket& packet) override;
  std::optional<std::vector<std::uint8_t>> await(const config::ReportKey& key,
                                                 std::chrono::milliseconds timeout) override;
  link::LineSettings line() const override;
  // Also shows the new settings in the main window's serial panel.
  bool follow(const link::LineSettings& line, std::chrono::milliseconds drain) override;

 private:
  shell::MonitorCore& core_;
  reports::Display& display_;
  transfer::TransferView& view_;
};

}  // namespace navbin::app

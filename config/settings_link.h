#pragma once
// What the settings procedures need of the line to one receiver: send a
// command, wait (bounded, without spinning) for one report, and move the PC
// side to new line settings once what was sent has left.

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "config/settings_groups.h"
#include "link/port_context.h"

namespace navbin::config {

class SettingsLink {
 public:
  virtual ~SettingsLink() = default;

  // Frames and sends one command; false when the line is gone.
  virtual bool send(const commands::CommandPacket& packet) = 0;

  // The payload of the first report `key` matches that arrives within
  // `timeout`; other packets are passed over. Nothing on time-out, when the
  // line is gone or the wait was cancelled.
  virtual std::optional<std::vector<std::uint8_t>> await(const ReportKey& key,
                                                         std::chrono::milliseconds timeout) = 0;

  // The PC side's line settings, in the receiver's serial codes.
  virtual link::LineSettings line() const = 0;

  // Waits `drain` for the frames sent to leave, moves the PC side to `line`
  // and drops what arrived meanwhile; false for codes of no line setting.
  virtual bool follow(const link::LineSettings& line, std::chrono::milliseconds drain) = 0;
};

}  // namespace navbin::config

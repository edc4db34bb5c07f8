#pragma once
// A SettingsLink over a device the program opened itself (navbin-config).

#include <cstddef>
#include <vector>

#include "config/settings_link.h"
#include "link/framing.h"
#include "platform/serial_device.h"

namespace navbin::config {

class DeviceLink final : public SettingsLink {
 public:
  // Sets `device` to `line` (9600 8-O-1 unless told otherwise); ok() is
  // false when `line` holds a code of no line setting.
  explicit DeviceLink(platform::SerialDevice& device, link::LineSettings line = {7, 3, 1, 0});

  bool ok() const { return ok_; }

  bool send(const commands::CommandPacket& packet) override;
  std::optional<std::vector<std::uint8_t>> await(const ReportKey& key,
                                                 std::chrono::milliseconds timeout) override;
  link::LineSettings line() const override { return line_; }
  bool follow(const link::LineSettings& line, std::chrono::milliseconds drain) override;

 private:
  bool apply(const link::LineSettings& line);
  // Feeds the bytes not yet de-framed; the payload of the first match, if any.
  std::optional<std::vector<std::uint8_t>> deframe(const ReportKey& key);

  platform::SerialDevice& device_;
  link::LineSettings line_;
  link::Deframer deframer_;
  std::vector<std::uint8_t> unread_;  // read from the device, not yet de-framed
  std::size_t readPos_ = 0;
  bool ok_ = false;
};

}  // namespace navbin::config

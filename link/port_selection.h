#pragma once
// The port choices of the application shell that the lower layers read:
// which port is the display port, which ports may be chosen, and the
// transmit-to-all switch.

#include <array>
#include <cstdint>

#include "link/port_context.h"

namespace navbin::link {

struct PortSelection {
  std::int32_t displayPort = 0;                     // COM number 1..16 of the display port
  std::array<std::int32_t, kPortCount> portList{};  // selectable COM numbers, ascending
  std::int32_t portListCount = -1;                  // -1: no list known, item i is COM i+1
  bool autoQuery = true;
  bool transmitToAll = false;
  std::array<LineSettings, kPortCount> lineSettings{};

  int displayIndex() const { return displayPort - 1; }
  bool isDisplayPort(std::uint32_t portIndex) const {
    return static_cast<std::int64_t>(portIndex) + 1 == displayPort;
  }
};

}  // namespace navbin::link

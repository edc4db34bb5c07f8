#pragma once
// Ports whose device went away (an unplugged USB receiver, a simulator that
// stopped) are reopened by themselves once the same device path exists
// again: a cheap look at the path once a second, never a busy wait. Bare
// pseudo-terminal paths are not watched: their numbers are reused.

#include <array>
#include <functional>
#include <utility>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "protocol/presentation/display.h"

namespace navbin::shell {

class PortReturn {
 public:
  PortReturn(link::SerialChannel& channel, link::PortTable& ports, link::PortSelection& shell,
             reports::Display& display)
      : channel_(channel), ports_(ports), shell_(shell), display_(display) {}

  // The device of port `index` was found gone; `monitored` is what the port was.
  void watch(int index, bool monitored);

  // Reopens every watched port whose device is back and that is still
  // wanted: the display port, or a port that was monitored. A port the user
  // opened again, or that is no longer wanted, is forgotten.
  void check();

  bool watching(int index) const { return waiting_[static_cast<std::size_t>(index)]; }

  // Called after a port was reopened.
  void setReopenedHook(std::function<void(int portIndex)> hook) { reopened_ = std::move(hook); }

 private:
  link::SerialChannel& channel_;
  link::PortTable& ports_;
  link::PortSelection& shell_;
  reports::Display& display_;
  std::array<bool, link::kPortCount> waiting_{};
  std::array<bool, link::kPortCount> monitored_{};
  std::function<void(int)> reopened_;

  bool reopen(int index);
};

}  // namespace navbin::shell

#pragma once
// navbin-log's --serve: receiver k of the ports on TCP port PORT+k-1, with
// the waiting that moves every shared byte on as soon as it can move.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_poll.h"
#include "platform/serial_device.h"
#include "platform/tcp_socket.h"
#include "tools/serve/port_share.h"
#include "tools/serve/shared_device.h"

namespace navbin::tools {

class PortSharing {
 public:
  // Shares `paths` (in the order of their COM numbers) when `at` is given.
  PortSharing(platform::SerialBackend& devices, const std::vector<std::string>& paths,
              const std::optional<platform::ListenAddress>& at, bool allowCommands,
              PortShare::Note note);

  bool active() const { return !shares_.empty(); }
  // What the monitor core opens its ports with.
  platform::SerialBackend& backend() { return backend_; }

  // Starts listening; false with the reason in `error`.
  bool listen(std::string& error);
  // "serving COM1 at tcp://127.0.0.1:4001, COM2 at ..."
  std::string describe() const;
  std::size_t clients() const;

  // Waits up to `timeout` on the receivers and the clients, serving both
  // until the time is up, then forwards the clients' commands.
  void wait(std::chrono::milliseconds timeout);

 private:
  void forwardCommands();

  platform::EventPoll poll_;  // before the shares, which watch their sockets with it
  SharingBackend backend_;
  std::vector<std::string> paths_;
  std::optional<platform::ListenAddress> at_;
  std::vector<std::unique_ptr<PortShare>> shares_;
};

}  // namespace navbin::tools

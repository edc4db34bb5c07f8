#pragma once
// The receivers' bytes as navbin-log reads them, for whatever taps them:
// --serve's shares (receiver k on TCP port PORT+k-1) and the time service.
// With any tap it waits on the devices and the shares' sockets at once, so
// every byte moves on, timestamped, the moment it can.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/serial_device.h"
#include "platform/tcp_socket.h"
#include "tools/taps/tapped_device.h"

namespace navbin::tools {

class PortTaps {
 public:
  // What the shares say: a client came or went, or (fault) a socket failed.
  using Note = std::function<void(const std::string& text, bool fault)>;

  // Shares `paths` (in the order of their COM numbers) when `serveAt` is given.
  PortTaps(platform::SerialBackend& devices, const std::vector<std::string>& paths,
           const std::optional<platform::ListenAddress>& serveAt, bool allowCommands, Note note);
  ~PortTaps();
  PortTaps(const PortTaps&) = delete;
  PortTaps& operator=(const PortTaps&) = delete;

  // `tap` sees the bytes of port `index` (0 for COM1) from its next open.
  void tap(std::size_t index, ByteTap& tap);
  bool active() const { return tapped_; }
  bool serving() const;
  // What the monitor core opens its ports with.
  platform::SerialBackend& backend() { return backend_; }

  // Starts listening; false with the reason in `error` (always on a build
  // without TCP serving).
  bool listen(std::string& error);
  // "serving COM1 at tcp://127.0.0.1:4001, COM2 at ..."
  std::string describe() const;
  std::size_t clients() const;

  // Waits up to `timeout` on the receivers and the clients, serving both
  // until the time is up, then forwards the clients' commands.
  void wait(std::chrono::milliseconds timeout);

 private:
  void forwardCommands();

  // The TCP side: the shares and what watches their sockets; its own file
  // for each build (port_taps.cpp, win32_port_taps.cpp).
  struct Shares;

  TappingBackend backend_;
  std::vector<std::string> paths_;
  std::unique_ptr<Shares> shares_;
  bool tapped_ = false;
};

}  // namespace navbin::tools

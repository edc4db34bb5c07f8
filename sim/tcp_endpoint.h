#pragma once
// One simulated receiver on a TCP port instead of a pseudo-terminal: a
// listener and at most one client. A client that connects while another is
// served replaces it (the old connection is closed), so that a monitor that
// died or was cut off gets its receiver back at once. Output is queued like a
// terminal's and dropped while nobody is connected; no line settings exist.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/tcp_socket.h"

namespace navbin::sim {

class TcpEndpoint {
 public:
  static constexpr std::size_t kQueueCapacity = 4096;

  // Listens on `address` (an IPv4 address) and `port`; nullptr and a
  // message in `error` on failure.
  static std::unique_ptr<TcpEndpoint> Listen(const std::string& address, std::uint16_t port,
                                             std::string& error);
  ~TcpEndpoint();
  TcpEndpoint(const TcpEndpoint&) = delete;
  TcpEndpoint& operator=(const TcpEndpoint&) = delete;

  int listenFd() const { return listener_; }
  int clientFd() const { return client_ ? client_->fd() : -1; }
  // The port as a program opens it: tcp://ADDRESS:PORT.
  const std::string& url() const { return url_; }

  // Takes a waiting client in place of the one served.
  void accept();
  // What the client sent: the count read, 0 when nothing is there or no
  // client is connected; a client that hung up is dropped.
  long read(std::uint8_t* buffer, std::size_t max);
  // Queues bytes for the client and sends what the socket takes now; false
  // when they were dropped (queue full, or no client).
  bool write(std::span<const std::uint8_t> bytes);
  void flush();
  bool hasQueuedOutput() const { return client_ && client_->backlog() > 0; }

 private:
  TcpEndpoint(int listener, std::string url) : listener_(listener), url_(std::move(url)) {}

  int listener_;
  std::unique_ptr<platform::TcpStream> client_;
  std::string url_;
};

}  // namespace navbin::sim

#pragma once
// The far side of a network port on the loopback interface: a listener on a
// free port that takes one client, every wait bounded. Also finds free ports
// for servers that a test starts as programs.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace navbin::support {

// What arrives on `fd` within `ms`, up to `count` bytes; stops early, with
// `ended` set, at the end of the stream.
inline std::vector<std::uint8_t> ReceiveFrom(int fd, std::size_t count, int ms, bool& ended) {
  std::vector<std::uint8_t> got;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (got.size() < count && std::chrono::steady_clock::now() < end) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 10) <= 0) continue;
    std::uint8_t buf[4096];
    const ssize_t n = ::recv(fd, buf, std::min(sizeof buf, count - got.size()), 0);
    if (n <= 0) {
      ended = true;
      break;
    }
    got.insert(got.end(), buf, buf + n);
  }
  return got;
}

class LoopbackServer {
 public:
  // Listens on 127.0.0.1, on `port` or (0) on a free one; `backlog` 0 with
  // one connection held unaccepted makes the next connect hang.
  explicit LoopbackServer(std::uint16_t port = 0, int backlog = 4) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listener_, backlog) != 0)
      return;
    socklen_t size = sizeof a;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &size);
    port_ = ntohs(a.sin_port);
  }
  ~LoopbackServer() {
    closeClient();
    ::close(listener_);
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  bool ok() const { return port_ != 0; }
  std::uint16_t port() const { return port_; }
  std::string url(const std::string& scheme) const {
    return scheme + "://127.0.0.1:" + std::to_string(port_);
  }

  // Takes the waiting client in place of the one held, waiting up to `ms`.
  bool accept(int ms = 2000) {
    pollfd p{listener_, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0) return false;
    closeClient();
    client_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    return client_ >= 0;
  }
  int clientFd() const { return client_; }
  bool send(const std::vector<std::uint8_t>& bytes) {
    return ::send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
  }
  // What the client sent, reading until `count` bytes came or `ms` passed.
  std::vector<std::uint8_t> receive(std::size_t count, int ms = 2000) {
    bool ended = false;
    return ReceiveFrom(client_, count, ms, ended);
  }
  void closeClient() {
    if (client_ >= 0) ::close(client_);
    client_ = -1;
  }

 private:
  int listener_ = -1;
  int client_ = -1;
  std::uint16_t port_ = 0;
};

// A client of a server on the loopback interface, every wait bounded.
class LoopbackClient {
 public:
  // Connects to 127.0.0.1:`port`; a `receiveBuffer` above 0 shrinks the
  // socket's buffer, for a client that stops reading.
  explicit LoopbackClient(std::uint16_t port, int receiveBuffer = 0) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (receiveBuffer > 0) {
      ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    }
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~LoopbackClient() { ::close(fd_); }
  LoopbackClient(const LoopbackClient&) = delete;
  LoopbackClient& operator=(const LoopbackClient&) = delete;

  bool connected() const { return connected_; }
  int fd() const { return fd_; }
  bool send(const std::vector<std::uint8_t>& bytes) {
    return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
  }
  // What came within `ms`, up to `count` bytes; stops early at end of stream.
  std::vector<std::uint8_t> receive(std::size_t count, int ms = 2000) {
    return ReceiveFrom(fd_, count, ms, ended_);
  }
  // True once a receive found the stream closed by the server.
  bool ended() const { return ended_; }

 private:
  int fd_ = -1;
  bool connected_ = false;
  bool ended_ = false;
};

// A loopback port that was free a moment ago, for a server a test starts.
inline std::uint16_t FreeLoopbackPort() {
  LoopbackServer probe;
  return probe.port();
}

}  // namespace navbin::support

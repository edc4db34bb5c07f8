#include "sim/tcp_endpoint.h"

#include <arpa/inet.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace navbin::sim {

std::unique_ptr<TcpEndpoint> TcpEndpoint::Listen(const std::string& address, std::uint16_t port,
                                                 std::string& error) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  if (::inet_pton(AF_INET, address.c_str(), &a.sin_addr) != 1) {
    error = "not an IPv4 address: " + address;
    return nullptr;
  }
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  const int on = 1;
  if (fd < 0 || ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
      ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 4) != 0) {
    error = address + ":" + std::to_string(port) + ": " + std::strerror(errno);
    if (fd >= 0) ::close(fd);
    return nullptr;
  }
  const std::string url = "tcp://" + address + ":" + std::to_string(port);
  return std::unique_ptr<TcpEndpoint>(new TcpEndpoint(fd, url));
}

TcpEndpoint::~TcpEndpoint() {
  dropClient();
  ::close(listener_);
}

void TcpEndpoint::dropClient() {
  if (client_ >= 0) ::close(client_);
  client_ = -1;
  queue_.clear();
}

void TcpEndpoint::accept() {
  const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (fd < 0) return;
  dropClient();
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  client_ = fd;
}

long TcpEndpoint::read(std::uint8_t* buffer, std::size_t max) {
  while (client_ >= 0) {
    const ssize_t n = ::recv(client_, buffer, max, 0);
    if (n > 0) return static_cast<long>(n);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
    dropClient();  // hung up, or reset
  }
  return 0;
}

bool TcpEndpoint::write(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return true;
  if (client_ < 0 || queue_.size() + bytes.size() > kQueueCapacity) return false;
  queue_.insert(queue_.end(), bytes.begin(), bytes.end());
  flush();
  return true;
}

void TcpEndpoint::flush() {
  std::size_t sent = 0;
  while (client_ >= 0 && sent < queue_.size()) {
    const ssize_t n = ::send(client_, queue_.data() + sent, queue_.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      dropClient();
      return;
    }
    break;
  }
  queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(sent));
}

}  // namespace navbin::sim

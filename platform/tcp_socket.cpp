#include "platform/tcp_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace navbin::platform {

int ListenTcp(const std::string& address, std::uint16_t port, std::string& error) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  const std::string where = address + ":" + std::to_string(port);
  if (::inet_pton(AF_INET, address.c_str(), &a.sin_addr) != 1) {
    error = where + ": not an IPv4 address";
    return -1;
  }
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  const int on = 1;
  if (fd < 0 || ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
      ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 16) != 0) {
    error = where + ": " + std::strerror(errno);
    if (fd >= 0) ::close(fd);
    return -1;
  }
  return fd;
}

int AcceptTcp(int listener, std::string& peer) {
  sockaddr_in a{};
  socklen_t length = sizeof a;
  const int fd =
      ::accept4(listener, reinterpret_cast<sockaddr*>(&a), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (fd < 0) return -1;
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  char text[INET_ADDRSTRLEN] = "?";
  ::inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
  peer = std::string(text) + ":" + std::to_string(ntohs(a.sin_port));
  return fd;
}

TcpStream::TcpStream(int fd, std::size_t capacity)
    : fd_(fd), capacity_(capacity), queue_(capacity) {}

TcpStream::~TcpStream() {
  close();
}

void TcpStream::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  queue_.clear();
}

bool TcpStream::send(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0 || queue_.size() + bytes.size() > capacity_) return false;
  queue_.append(bytes);
  flush();
  return true;
}

void TcpStream::flush() {
  while (fd_ >= 0 && queue_.size() > 0) {
    const ssize_t n = ::send(fd_, queue_.front(), queue_.size(), MSG_NOSIGNAL);
    if (n > 0) {
      queue_.consume(static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) close();
      return;
    }
  }
}

long TcpStream::receive(std::uint8_t* buffer, std::size_t max) {
  while (fd_ >= 0) {
    const ssize_t n = ::recv(fd_, buffer, max, 0);
    if (n > 0) return static_cast<long>(n);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
    close();  // hung up, or reset
  }
  return -1;
}

}  // namespace navbin::platform

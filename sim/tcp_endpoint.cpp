#include "sim/tcp_endpoint.h"

#include <unistd.h>

namespace navbin::sim {

std::unique_ptr<TcpEndpoint> TcpEndpoint::Listen(const std::string& address, std::uint16_t port,
                                                 std::string& error) {
  const int fd = platform::ListenTcp(address, port, error);
  if (fd < 0) return nullptr;
  const std::string url = "tcp://" + address + ":" + std::to_string(port);
  return std::unique_ptr<TcpEndpoint>(new TcpEndpoint(fd, url));
}

TcpEndpoint::~TcpEndpoint() {
  client_.reset();
  ::close(listener_);
}

void TcpEndpoint::accept() {
  std::string peer;
  if (const int fd = platform::AcceptTcp(listener_, peer); fd >= 0) {
    client_ = std::make_unique<platform::TcpStream>(fd, kQueueCapacity);
  }
}

long TcpEndpoint::read(std::uint8_t* buffer, std::size_t max) {
  const long n = client_ ? client_->receive(buffer, max) : 0;
  if (n >= 0) return n;
  client_.reset();  // hung up, or reset
  return 0;
}

bool TcpEndpoint::write(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return true;
  return client_ && client_->send(bytes);
}

void TcpEndpoint::flush() {
  if (!client_) return;
  client_->flush();
  if (!client_->isOpen()) client_.reset();
}

}  // namespace navbin::sim

#pragma once
// The serving side of TCP, for the programs that hand a receiver's byte
// stream to others: a listening socket on an IPv4 address, and one
// connected peer with its own output queue. Everything is non-blocking; a
// peer that hangs up or fails is closed, never waited for.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/byte_queue.h"

namespace navbin::platform {

struct ListenAddress {
  std::string address = "127.0.0.1";  // loopback unless the user names another
  std::uint16_t port = 0;
};

// "[ADDR:]PORT" with PORT 1..65535; the address is checked when it is bound.
std::optional<ListenAddress> ParseListenAddress(std::string_view text);

// A listening socket on `address` (IPv4 dotted form) and `port`; -1 with
// the reason in `error`.
int ListenTcp(const std::string& address, std::uint16_t port, std::string& error);

// Takes one waiting connection from `listener`: its socket, or -1 when none
// is waiting. `peer` gets its address as "ADDRESS:PORT".
int AcceptTcp(int listener, std::string& peer);

class TcpStream {
 public:
  // Takes ownership of the connected socket `fd`; at most `capacity` bytes
  // wait in its queue.
  TcpStream(int fd, std::size_t capacity);
  ~TcpStream();
  TcpStream(const TcpStream&) = delete;
  TcpStream& operator=(const TcpStream&) = delete;

  int fd() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }
  std::size_t backlog() const { return queue_.size(); }

  // Queues `bytes` and sends what the socket takes now. False, with nothing
  // queued, when they would not fit or the stream is closed.
  bool send(std::span<const std::uint8_t> bytes);
  // Sends queued bytes the socket takes now.
  void flush();
  // What the peer sent: the count, 0 when nothing waits, -1 once it hung up
  // (the stream is then closed).
  long receive(std::uint8_t* buffer, std::size_t max);
  void close();

 private:
  int fd_;
  std::size_t capacity_;
  ByteQueue queue_;
};

}  // namespace navbin::platform

#pragma once
// One receiver shared on a TCP port: the listener and its clients. Every
// client gets what the receiver sends from the first frame boundary after it
// connected. What clients send is read and dropped, or, when commands are
// allowed, collected into whole frames for the receiver. A client that stops
// reading is cut off once its backlog passes a bound, so it never holds up
// the receiver, the logger or the other clients.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "link/frame_collector.h"
#include "link/framing.h"
#include "platform/event_poll.h"
#include "platform/tcp_socket.h"
#include "tools/taps/byte_tap.h"

namespace navbin::tools {

class PortShare final : public ByteTap {
 public:
  static constexpr std::size_t kMaxClients = 16;
  static constexpr std::size_t kBacklogLimit = 256 * 1024;

  // A message; `fault` for those that must be seen even when quiet.
  using Note = std::function<void(const std::string& text, bool fault)>;
  using Frame = std::vector<std::uint8_t>;

  // `name` ("COM1") starts every message given to `note`. The share's
  // sockets are watched by `poll` with tokens `tokenBase` | id, id below
  // kDeviceId; events for them go to handle().
  PortShare(std::string name, bool allowCommands, Note note, platform::EventPoll& poll,
            std::uint64_t tokenBase);
  static constexpr std::uint32_t kDeviceId = 0xFFFFFFFF;  // left for the caller's use
  ~PortShare() override;
  PortShare(const PortShare&) = delete;
  PortShare& operator=(const PortShare&) = delete;

  // Listens on `address`:`port`; false with the reason in `error`.
  bool listen(const std::string& address, std::uint16_t port, std::string& error);
  const std::string& url() const { return url_; }
  std::size_t clients() const { return clients_.size(); }

  // Bytes the receiver sent, for every client.
  void received(std::span<const std::uint8_t> bytes, const ReadTime& time) override;
  // The receiver's stream starts again: clients resume at its next frame
  // boundary.
  void restarted() override;

  // One of the share's sockets is ready: `id` is its token's low half.
  void handle(std::uint32_t id, bool readable, bool writable);
  // Whole frames clients sent since the last call, each client's in order.
  std::vector<Frame> takeCommands();

 private:
  struct Client;

  void accept();
  void serviceClient(Client& client, bool readable, bool writable);
  // Watches for room to write exactly while output waits.
  void watchOutput(Client& client);
  // Drops clients marked with a reason, naming each.
  void dropMarked();
  void drop(std::size_t index);

  std::string name_;
  bool allowCommands_;
  Note note_;
  platform::EventPoll& poll_;
  std::uint64_t tokenBase_;
  std::uint32_t nextId_ = 1;  // 0 is the listener
  int listener_ = -1;
  std::string url_;
  std::vector<std::unique_ptr<Client>> clients_;
  link::Deframer boundary_;  // finds the ends of the receiver's frames
  std::vector<Frame> commands_;
};

}  // namespace navbin::tools

#include "tools/serve/port_share.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace navbin::tools {

namespace {
constexpr std::size_t kReadChunk = 4096;
constexpr const char* kLeft = "left";
constexpr int kReadsPerService = 16;  // a flooding client cannot hold the loop
// The kernel's share of a client's backlog, kept small so that the bound on
// what waits for a client is mostly ours and a stalled one is cut off soon.
constexpr int kSocketSendBuffer = 64 * 1024;
std::string Clients(std::size_t count) {
  std::string text = "(";  // appended: a literal + temporary string trips a false GCC 12 warning
  text += std::to_string(count);
  text += count == 1 ? " client)" : " clients)";
  return text;
}

}  // namespace

struct PortShare::Client {
  Client(int fd, std::string from, std::uint32_t number)
      : stream(fd, kBacklogLimit), peer(std::move(from)), id(number) {}
  platform::TcpStream stream;
  std::string peer;
  std::uint32_t id;
  bool watchingOutput = false;
  bool started = false;  // has reached a frame boundary of the receiver's stream
  link::FrameCollector commands;
  std::string dropReason;  // set: to be dropped, with this message
};

PortShare::PortShare(std::string name, bool allowCommands, Note note, platform::EventPoll& poll,
                     std::uint64_t tokenBase)
    : name_(std::move(name)),
      allowCommands_(allowCommands),
      note_(std::move(note)),
      poll_(poll),
      tokenBase_(tokenBase) {}

PortShare::~PortShare() {
  for (const auto& client : clients_) poll_.forget(client->stream.fd());
  clients_.clear();
  if (listener_ < 0) return;
  poll_.forget(listener_);
  ::close(listener_);
}

bool PortShare::listen(const std::string& address, std::uint16_t port, std::string& error) {
  listener_ = platform::ListenTcp(address, port, error);
  url_ = "tcp://" + address + ":" + std::to_string(port);
  poll_.watch(listener_, tokenBase_);
  return listener_ >= 0;
}

void PortShare::received(std::span<const std::uint8_t> bytes, const ReadTime&) {
  std::size_t firstStart = bytes.size() + 1;  // just after the chunk's first frame end
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (boundary_.feed(bytes[i]) == 1 && firstStart > bytes.size()) firstStart = i + 1;
  }
  for (auto& client : clients_) {
    auto part = bytes;
    if (!client->started) {
      if (firstStart > bytes.size()) continue;
      part = bytes.subspan(firstStart);
      client->started = true;
    }
    if (!part.empty() && !client->stream.send(part)) {
      client->dropReason = "cut off: it stopped reading (" +
                           std::to_string(client->stream.backlog() / 1024) + " KiB waiting)";
    }
    watchOutput(*client);
  }
  dropMarked();
}

void PortShare::restarted() {
  boundary_ = link::Deframer{};
  for (auto& client : clients_) client->started = false;
}

void PortShare::watchOutput(Client& client) {
  const bool waiting = client.stream.backlog() > 0;
  if (waiting == client.watchingOutput || !client.stream.isOpen()) return;
  poll_.watch(client.stream.fd(), tokenBase_ | client.id, waiting);
  client.watchingOutput = waiting;
}

void PortShare::handle(std::uint32_t id, bool readable, bool writable) {
  if (id == 0) {
    accept();
    return;
  }
  const auto client =
      std::find_if(clients_.begin(), clients_.end(), [id](const auto& c) { return c->id == id; });
  if (client == clients_.end()) return;  // dropped since the wait
  serviceClient(**client, readable, writable);
  dropMarked();
}

void PortShare::serviceClient(Client& client, bool readable, bool writable) {
  if (writable) {
    client.stream.flush();
    watchOutput(client);
  }
  std::uint8_t buffer[kReadChunk];
  for (int reads = 0; readable && reads < kReadsPerService && client.stream.isOpen(); ++reads) {
    const long n = client.stream.receive(buffer, sizeof buffer);
    if (n <= 0) break;
    if (!allowCommands_) continue;  // read only to keep the socket drained
    for (long i = 0; i < n; ++i) {
      if (client.commands.feed(buffer[i])) {
        const auto frame = client.commands.frame();
        commands_.emplace_back(frame.begin(), frame.end());
      }
    }
  }
  if (!client.stream.isOpen()) client.dropReason = kLeft;
}

void PortShare::accept() {
  std::string peer;
  for (int fd; (fd = platform::AcceptTcp(listener_, peer)) >= 0;) {
    if (clients_.size() >= kMaxClients) {
      ::close(fd);
      note_(name_ + ": client " + peer + " refused: " + std::to_string(kMaxClients) +
                " clients already",
            true);
      continue;
    }
    ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &kSocketSendBuffer, sizeof kSocketSendBuffer);
    clients_.push_back(std::make_unique<Client>(fd, peer, nextId_));
    poll_.watch(fd, tokenBase_ | nextId_);
    nextId_ = nextId_ + 1 == kDeviceId ? 1 : nextId_ + 1;
    note_(name_ + ": client " + peer + " connected " + Clients(clients_.size()), false);
  }
}

void PortShare::drop(std::size_t index) {
  const auto client = std::move(clients_[index]);
  poll_.forget(client->stream.fd());
  clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(index));
  const std::string& why = client->dropReason;
  note_(name_ + ": client " + client->peer + " " + why + " " + Clients(clients_.size()),
        why != kLeft);
}

void PortShare::dropMarked() {
  for (std::size_t i = clients_.size(); i-- > 0;) {
    if (!clients_[i]->dropReason.empty()) drop(i);
  }
}

std::vector<PortShare::Frame> PortShare::takeCommands() {
  return std::exchange(commands_, {});
}

}  // namespace navbin::tools

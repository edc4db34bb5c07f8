#pragma once
// Waiting on many descriptors at once (Linux epoll): each is registered
// once with a token, so a wait costs what is ready rather than what is
// watched, which matters with hundreds of network clients.

#include <poll.h>
#include <sys/epoll.h>

#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

namespace navbin::platform {

class EventPoll {
 public:
  struct Event {
    std::uint64_t token;
    bool readable;  // input waits, or the peer hung up or failed: a read tells which
    bool writable;
  };

  EventPoll();
  ~EventPoll();
  EventPoll(const EventPoll&) = delete;
  EventPoll& operator=(const EventPoll&) = delete;

  // Watches `fd` for input, and for room to write while `wantWrite`; a
  // second call for the same descriptor changes what is watched.
  void watch(int fd, std::uint64_t token, bool wantWrite = false);
  void forget(int fd);

  // Waits up to `timeout` for a watched descriptor, or one of `also`
  // (whose revents it sets), to be ready. The watched ones that are ready;
  // nothing on time-out or when a signal arrived. `also` is for the few
  // descriptors that others own and may close at any time.
  std::span<const Event> wait(std::chrono::milliseconds timeout, std::span<pollfd> also = {});

 private:
  int fd_;
  std::vector<epoll_event> ready_;
  std::vector<pollfd> pollfds_;
  std::vector<Event> events_;
};

}  // namespace navbin::platform

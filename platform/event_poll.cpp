#include "platform/event_poll.h"

#include <unistd.h>

#include <cerrno>

namespace navbin::platform {

namespace {
constexpr std::size_t kMaxEvents = 64;
}

EventPoll::EventPoll() : fd_(::epoll_create1(EPOLL_CLOEXEC)), ready_(kMaxEvents) {}

EventPoll::~EventPoll() {
  if (fd_ >= 0) ::close(fd_);
}

void EventPoll::watch(int fd, std::uint64_t token, bool wantWrite) {
  if (fd < 0) return;
  epoll_event e{};
  e.events = EPOLLIN | (wantWrite ? EPOLLOUT : 0u);
  e.data.u64 = token;
  // A descriptor closed while watched leaves the set by itself, so its
  // number may come back new: add, and change only what is there.
  if (::epoll_ctl(fd_, EPOLL_CTL_ADD, fd, &e) != 0 && errno == EEXIST) {
    ::epoll_ctl(fd_, EPOLL_CTL_MOD, fd, &e);
  }
}

void EventPoll::forget(int fd) {
  if (fd >= 0) ::epoll_ctl(fd_, EPOLL_CTL_DEL, fd, nullptr);
}

std::span<const EventPoll::Event> EventPoll::wait(std::chrono::milliseconds timeout,
                                                  std::span<pollfd> also) {
  events_.clear();
  pollfds_.assign(1, pollfd{fd_, POLLIN, 0});
  pollfds_.insert(pollfds_.end(), also.begin(), also.end());
  if (::poll(pollfds_.data(), pollfds_.size(), static_cast<int>(timeout.count())) <= 0) {
    for (pollfd& p : also) p.revents = 0;
    return events_;
  }
  for (std::size_t i = 0; i < also.size(); ++i) also[i].revents = pollfds_[i + 1].revents;
  if (pollfds_[0].revents == 0) return events_;
  const int n = ::epoll_wait(fd_, ready_.data(), static_cast<int>(ready_.size()), 0);
  for (int i = 0; i < n; ++i) {
    const epoll_event& e = ready_[static_cast<std::size_t>(i)];
    events_.push_back({e.data.u64, (e.events & (EPOLLIN | EPOLLHUP | EPOLLERR)) != 0,
                       (e.events & EPOLLOUT) != 0});
  }
  return events_;
}

}  // namespace navbin::platform

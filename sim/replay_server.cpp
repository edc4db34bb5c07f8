#include "sim/replay_server.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "sim/device_link.h"

namespace navbin::sim {

namespace {

// Time a program gets after opening the device to set its line up and purge
// it, before the first byte goes.
constexpr auto kOpenSettle = std::chrono::milliseconds(300);
// The longest single wait, so that a stop request is seen in time.
constexpr int kMaxWaitMs = 250;
// At the end: the reader has this long to take each part of what is left.
constexpr auto kDrainPatience = std::chrono::seconds(2);
// At a set pace: how long a full line may hold up the replay.
constexpr auto kStallPatience = std::chrono::seconds(1);

}  // namespace

ReplayServer::ReplayServer(RecordingReader& reader, const SimOptions& options)
    : reader_(reader), options_(options) {}

ReplayServer::~ReplayServer() {
  if (!link_.empty()) RemoveDeviceLink(terminal_->slavePath(), link_);
  if (openWatch_ >= 0) ::close(openWatch_);
}

bool ReplayServer::start(std::string& error) {
  if (!reader_.next(firstPacket_)) {
    error = reader_.failed() ? reader_.error() : reader_.name() + ": no NavBin packet in it";
    return false;
  }
  terminal_ = PseudoTerminal::Open(error);
  if (!terminal_) return false;
  // Watched before the path is made known, so that no open is missed.
  openWatch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (openWatch_ < 0 ||
      ::inotify_add_watch(openWatch_, terminal_->slavePath().c_str(), IN_OPEN) < 0) {
    error = std::string("inotify: ") + std::strerror(errno);
    return false;
  }
  if (!options_.linkPath.empty()) {
    if (!MakeDeviceLink(terminal_->slavePath(), options_.linkPath, error)) return false;
    link_ = options_.linkPath;
  }
  return true;
}

bool ReplayServer::waitForOpen(const volatile std::sig_atomic_t& stop) {
  while (stop == 0) {
    pollfd p{openWatch_, POLLIN, 0};
    if (::poll(&p, 1, kMaxWaitMs) <= 0) continue;
    alignas(inotify_event) std::array<char, 4096> events{};
    if (::read(openWatch_, events.data(), events.size()) > 0) return true;
  }
  return false;
}

void ReplayServer::serveOnce(int timeoutMs, bool wantRoom) {
  pollfd p{terminal_->masterFd(), POLLIN, 0};
  if (wantRoom || terminal_->hasQueuedOutput()) p.events |= POLLOUT;
  if (::poll(&p, 1, std::max(timeoutMs, 0)) <= 0) return;
  if (p.revents & POLLOUT) terminal_->flush();
  if (p.revents & POLLIN) {
    std::array<std::uint8_t, 4096> commands{};
    for (int round = 0; round < 16; ++round) {  // dropped: a recording cannot answer
      if (terminal_->read(commands.data(), commands.size()) <= 0) break;
    }
  }
  if ((p.revents & (POLLHUP | POLLERR)) && !(p.revents & (POLLIN | POLLOUT))) {
    ::poll(nullptr, 0, std::max(timeoutMs, 0));  // nothing to do but wait
  }
}

void ReplayServer::idleUntil(Clock::time_point until, const volatile std::sig_atomic_t& stop) {
  for (auto now = Clock::now(); now < until && stop == 0; now = Clock::now()) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - now).count();
    serveOnce(static_cast<int>(std::min<long long>(left, kMaxWaitMs)), false);
  }
}

bool ReplayServer::send(const TimedFrame& frame, const volatile std::sig_atomic_t& stop) {
  if (!options_.replayAsFast) {
    // Capped far beyond any recording, so that a tiny speed cannot overflow the clock.
    const double seconds = std::min(frame.at / options_.replaySpeed, 1e9);
    idleUntil(start_ + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(seconds)),
              stop);
  }
  // As fast as possible waits for room as long as the reader takes; at a set
  // pace a reader gets a while to make room, then the frame is lost as on a
  // live line that nobody reads.
  const auto giveUp = Clock::now() + (lineStalled_ ? Clock::duration{} : kStallPatience);
  while (!terminal_->hasRoomFor(frame.frame.size()) &&
         (options_.replayAsFast || Clock::now() < giveUp)) {
    if (stop != 0) return false;
    serveOnce(kMaxWaitMs, true);
  }
  if (stop != 0) return false;
  lineStalled_ = !terminal_->hasRoomFor(frame.frame.size());  // then nobody reads: no more waits
  terminal_->clearStaleExclusive();
  terminal_->write(frame.frame);
  return true;
}

void ReplayServer::drain(const volatile std::sig_atomic_t& stop) {
  // The terminal hands written bytes to the slave side a moment after they
  // were written, so the reader has them all once two looks find none left.
  long unread = -1;
  int emptyLooks = 0;
  auto progress = Clock::now();
  while (stop == 0 && emptyLooks < 2 && Clock::now() - progress < kDrainPatience) {
    serveOnce(50, false);
    const long left = terminal_->unreadBySlave() + (terminal_->hasQueuedOutput() ? 1 : 0);
    emptyLooks = left == 0 ? emptyLooks + 1 : 0;
    if (left != unread) {
      unread = left;
      progress = Clock::now();
    }
  }
}

bool ReplayServer::run(const volatile std::sig_atomic_t& stop, std::string& error) {
  if (!waitForOpen(stop)) return true;
  idleUntil(Clock::now() + kOpenSettle, stop);
  start_ = Clock::now();
  ReplayPacer pacer;
  std::vector<TimedFrame> ready;
  std::vector<std::uint8_t> packet = std::move(firstPacket_);
  bool havePacket = true;
  std::uint64_t passPackets = 1;
  while (stop == 0) {
    ready.clear();
    if (havePacket) {
      pacer.add(packet, ready);
    } else {
      if (reader_.failed()) break;
      pacer.finish(ready);
    }
    for (const TimedFrame& frame : ready) {
      if (!send(frame, stop)) return true;
    }
    if (!havePacket) {
      if (!options_.replayLoop || passPackets == 0) break;
      if (!reader_.rewind()) {
        error = reader_.name() + ": cannot read it again from the start";
        return false;
      }
      passPackets = 0;
    }
    havePacket = reader_.next(packet);
    passPackets += havePacket ? 1 : 0;
  }
  if (stop != 0) return true;
  if (reader_.failed()) {
    error = reader_.error();
    return false;
  }
  if (passPackets == 0) {
    error = reader_.name() + ": no NavBin packet in it any more";
    return false;
  }
  drain(stop);
  return true;
}

}  // namespace navbin::sim

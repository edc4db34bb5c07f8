#include "sim/sim_server.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "link/frame_collector.h"
#include "sim/device_link.h"
#include "sim/gps_time.h"
#include "sim/line_check.h"

namespace navbin::sim {

namespace {

using Clock = std::chrono::steady_clock;

// After a hang-up (no slave open at all) the master reports POLLHUP at once;
// it is left out of the poll for this long so that the loop does not spin.
constexpr auto kHangUpBackoff = std::chrono::milliseconds(100);

// GPS time now by the PC's clock, taken as UTC: GPS time runs ahead by the
// leap seconds since its epoch.
std::int64_t GpsMsOfSystemClock() {
  using namespace std::chrono;
  constexpr sys_days kGpsEpoch = year{1980} / January / 6;
  return duration_cast<milliseconds>(system_clock::now() - kGpsEpoch).count() +
         kGpsUtcOffset * 1000;
}

}  // namespace

SimServer::~SimServer() {
  removeLinks();
}

bool SimServer::addPort(const SimOptions& options, int i, std::string& error) {
  std::unique_ptr<PseudoTerminal> terminal;
  std::unique_ptr<TcpEndpoint> tcp;
  if (options.tcpPort != 0) {
    tcp = TcpEndpoint::Listen(options.tcpAddress, static_cast<std::uint16_t>(options.tcpPort + i),
                              error);
    if (!tcp) return false;
  } else if (terminal = PseudoTerminal::Open(error); !terminal) {
    return false;
  }
  FaultOptions faults;
  faults.silent = std::count(options.silentPorts.begin(), options.silentPorts.end(), i + 1) > 0;
  faults.noiseProbability = options.noiseProbability;
  faults.dropReplyProbability = options.dropReplyProbability;
  auto port = std::unique_ptr<Port>(new Port{std::move(terminal),
                                             SimulatedReceiver(options.seed + i, faults),
                                             {},
                                             {},
                                             {},
                                             0,
                                             std::move(tcp),
                                             {},
                                             {}});
  port->receiver.satelliteData().setOptions(options.satelliteData);
  if (options.paceBaud > 0) port->pacer.emplace(options.paceBaud);
  ports_.push_back(std::move(port));
  return options.linkPath.empty() ||
         makeLink(*ports_.back(), LinkPathOf(options.linkPath, i), error);
}

bool SimServer::start(const SimOptions& options, std::string& error) {
  for (int i = 0; i < options.ports; ++i) {
    if (!addPort(options, i, error)) {
      removeLinks();
      ports_.clear();
      return false;
    }
  }
  lastAdvance_ = Clock::now();
  if (options.systemClock) {
    const std::int64_t gpsMs = GpsMsOfSystemClock();
    for (auto& port : ports_) port->receiver.followClock(gpsMs - options.reportDelayMs);
  }
  startAfterSeconds_ = options.startAfterSeconds;
  stopAfterSeconds_ = options.stopAfterSeconds;
  return true;
}

const std::string& SimServer::slavePath(int index) const {
  const Port& port = *ports_[static_cast<std::size_t>(index)];
  return port.tcp ? port.tcp->url() : port.terminal->slavePath();
}

const std::string& SimServer::NameOf(const Port& port) {
  if (port.tcp) return port.tcp->url();
  return port.link.empty() ? port.terminal->slavePath() : port.link;
}

bool SimServer::makeLink(Port& port, const std::string& path, std::string& error) {
  if (!MakeDeviceLink(port.terminal->slavePath(), path, error)) return false;
  port.link = path;
  return true;
}

void SimServer::removeLinks() {
  for (auto& port : ports_) {
    if (port->link.empty()) continue;
    RemoveDeviceLink(port->terminal->slavePath(), port->link);
    port->link.clear();
  }
}

int SimServer::waitBudgetMs(int maxWaitMs) const {
  std::int64_t wait = maxWaitMs;
  for (const auto& port : ports_) {
    const SimulatedReceiver& rx = port->receiver;
    const std::int64_t untilNextSecond = 1000 - rx.gpsMs() % 1000;
    wait = std::min(wait, untilNextSecond);
    if (port->pacer) {
      if (const auto next = port->pacer->msUntilNext(Clock::now())) wait = std::min(wait, *next);
    }
    if (const auto due = rx.satelliteData().nextDueMs())
      wait = std::min(wait, *due - rx.elapsedMs());
  }
  return static_cast<int>(std::max<std::int64_t>(wait, 1));
}

// A terminal's master, or a TCP port's listener and client (-1 while none).
void SimServer::pollFds(std::vector<pollfd>& fds, Clock::time_point now) const {
  for (const auto& port : ports_) {
    if (port->tcp) {
      fds.push_back({port->tcp->listenFd(), POLLIN, 0});
      const short events = port->tcp->hasQueuedOutput() ? POLLIN | POLLOUT : POLLIN;
      fds.push_back({port->tcp->clientFd(), events, 0});
      continue;
    }
    const bool skip = now < port->hungUpUntil;
    short events = POLLIN;
    if (port->terminal->hasQueuedOutput()) events |= POLLOUT;
    fds.push_back({skip ? -1 : port->terminal->masterFd(), events, 0});
  }
}

void SimServer::serveOnce(int maxWaitMs) {
  std::vector<pollfd> fds;
  fds.reserve(ports_.size() * 2);
  pollFds(fds, Clock::now());
  const int ready = ::poll(fds.data(), fds.size(), waitBudgetMs(maxWaitMs));
  const auto now = Clock::now();
  if (ready > 0) {
    std::size_t at = 0;
    for (auto& port : ports_) {
      if (port->tcp && (fds[at++].revents & POLLIN) != 0) port->tcp->accept();
      readPort(*port, fds[at++].revents, now);
    }
  }
  for (auto& port : ports_) holdReplies(*port);
  advanceClocks(now);
  for (auto& port : ports_) {
    if (silent_) {
      port->receiver.takeOutput();  // dropped: the receiver is silent
      port->held.clear();
      if (port->tcp) {
        port->tcp->flush();
      } else {
        port->terminal->flush();
      }
    } else {
      send(*port);
    }
  }
}

// Paced, the reports of each second lead the line, as a timing receiver's
// do: the replies to commands wait while they would still be leaving when
// the next second's reports are due.
void SimServer::holdReplies(Port& port) {
  if (!port.pacer) return;
  const auto replies = port.receiver.takeOutput();
  port.held.insert(port.held.end(), replies.begin(), replies.end());
}

// How many held bytes, in whole frames, leave before the next second begins;
// a frame longer than a second on the line goes when its turn comes.
std::size_t SimServer::repliesThatFit(const Port& port, Clock::time_point now) const {
  const auto nextSecond = now + std::chrono::milliseconds(1000 - port.receiver.gpsMs() % 1000);
  link::FrameCollector frames;
  std::size_t fit = 0;
  for (std::size_t i = 0; i < port.held.size(); ++i) {
    if (!frames.feed(port.held[i])) continue;
    const bool tooLate = port.pacer->doneAt(i + 1, now) > nextSecond;
    if (tooLate && port.pacer->timeOf(i + 1 - fit) < std::chrono::seconds(1)) break;
    fit = i + 1;
  }
  return fit;
}

void SimServer::send(Port& port) {
  const SerialConfig line = port.receiver.lineInForce();
  auto bytes = port.receiver.takeOutput();
  if (port.pacer) {
    const auto now = Clock::now();
    port.pacer->queue(bytes, now);
    const std::size_t fit = repliesThatFit(port, now);
    port.pacer->queue({port.held.data(), fit}, now);
    port.held.erase(port.held.begin(), port.held.begin() + static_cast<std::ptrdiff_t>(fit));
    const auto due = port.pacer->due(now);
    bytes.assign(due.begin(), due.end());
    port.pacer->take(due.size());
  }
  if (port.tcp) {
    write(port, bytes);
    port.tcp->flush();
    return;
  }
  port.terminal->clearStaleExclusive();
  // Once the monitor has moved the receiver's line, a PC side left at other
  // settings hears nothing.
  if (port.receiver.lineWasSet() && !LineAgrees(line, port.terminal->slaveFd())) return;
  write(port, bytes);
  port.terminal->flush();
}

bool SimServer::write(Port& port, std::span<const std::uint8_t> bytes) {
  if (!(port.tcp ? port.tcp->write(bytes) : port.terminal->write(bytes))) return false;
  for (std::uint8_t byte : bytes) port.reportsSent += port.sentFrames.feed(byte);
  return true;
}

void SimServer::readPort(Port& port, short revents, Clock::time_point now) {
  if ((revents & (POLLIN | POLLHUP | POLLERR)) == 0) return;
  std::array<std::uint8_t, 4096> buffer{};
  for (int round = 0; round < 16; ++round) {
    const long n = port.tcp ? port.tcp->read(buffer.data(), buffer.size())
                            : port.terminal->read(buffer.data(), buffer.size());
    if (n < 0) {
      port.hungUpUntil = now + kHangUpBackoff;
      return;
    }
    if (n == 0) return;
    if (!silent_) port.receiver.receive(std::span(buffer.data(), static_cast<std::size_t>(n)));
  }
}

void SimServer::advanceClocks(Clock::time_point now) {
  carried_ += now - lastAdvance_;
  lastAdvance_ = now;
  const auto step = std::chrono::duration_cast<std::chrono::milliseconds>(carried_);
  if (step.count() <= 0) return;
  carried_ -= step;
  for (auto& port : ports_) port->receiver.advance(step);
}

void SimServer::run(const volatile std::sig_atomic_t& stop) {
  const auto speakAt = Clock::now() + std::chrono::seconds(startAfterSeconds_);
  const auto silentAt = speakAt + std::chrono::seconds(stopAfterSeconds_);
  silent_ = startAfterSeconds_ > 0;
  bool started = !silent_;
  while (stop == 0) {
    serveOnce(250);
    const auto now = Clock::now();
    if (!started && now >= speakAt) {
      started = true;
      silent_ = false;
    }
    if (started && !silent_ && stopAfterSeconds_ > 0 && now >= silentAt) {
      silence();
      printCounts();
    }
  }
}

void SimServer::printCounts() const {
  for (const auto& port : ports_) {
    const std::string& name = NameOf(*port);
    std::fprintf(stderr, "navbin-sim: %s: %llu reports sent\n", name.c_str(),
                 static_cast<unsigned long long>(port->reportsSent));
  }
}

}  // namespace navbin::sim

#include "platform/network_serial_device.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix_serial_device.h"

namespace navbin::platform {
namespace {

constexpr std::size_t kReadChunk = 4096;

bool ValidLine(const LineParameters& line) {
  return line.baud > 0 && line.byteSize >= 5 && line.byteSize <= 8 && line.parity >= 0 &&
         line.parity <= 2 && line.stopBits >= 0 && line.stopBits <= 2;
}

// Small frames leave at once, and a server that vanished without a word
// (a powered-off box) is noticed within about half a minute.
void TuneSocket(int fd) {
  const int on = 1;
  const int idleSeconds = 10;
  const int intervalSeconds = 5;
  const int probes = 3;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idleSeconds, sizeof idleSeconds);
  ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &intervalSeconds, sizeof intervalSeconds);
  ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
}

// Starts a non-blocking connect: the socket, or -1 with `error` set.
// Addresses are tried in turn while each refuses at once (a name that
// stands for both an IPv6 and an IPv4 address, one of them not served).
int StartConnect(const addrinfo* addresses, OpenError& error) {
  int fd = -1;
  error = OpenError::Refused;
  for (const addrinfo* a = addresses; a != nullptr && fd < 0; a = a->ai_next) {
    fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
      error = OpenErrorFromErrno(errno);
      continue;
    }
    TuneSocket(fd);
    if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0 && errno != EINPROGRESS) {
      error = errno == ECONNREFUSED ? OpenError::Refused : OpenErrorFromErrno(errno);
      ::close(fd);
      fd = -1;
    }
  }
  if (fd >= 0) error = OpenError::None;
  return fd;
}

int RemainingMs(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  return static_cast<int>(std::max<std::int64_t>(left.count(), 0));
}

}  // namespace

NetworkSerialDevice::NetworkSerialDevice(std::unique_ptr<AddressLookup> lookup,
                                         NetworkScheme scheme,
                                         std::chrono::milliseconds connectTimeout)
    : lookup_(std::move(lookup)), connectDeadline_(Clock::now() + connectTimeout) {
  if (scheme == NetworkScheme::Rfc2217) telnet_.emplace();
  resolve(0);
}

NetworkSerialDevice::~NetworkSerialDevice() {
  if (fd_ >= 0) ::close(fd_);
}

void NetworkSerialDevice::markLost() {
  state_ = State::Lost;
  output_.clear();
  input_.clear();
}

std::optional<TelnetSession::ReportedLine> NetworkSerialDevice::reportedLine() const {
  if (!telnet_) return std::nullopt;
  return telnet_->reported();
}

// Once the host is known, the connect starts on its addresses. While the
// resolver works there is nothing to poll: a wait sleeps in short steps.
void NetworkSerialDevice::resolve(int waitMs) {
  const auto until = Clock::now() + std::chrono::milliseconds(std::max(waitMs, 0));
  for (;;) {
    const AddressLookup::State lookup = lookup_->poll();
    if (lookup == AddressLookup::State::Failed) return markLost();
    if (lookup == AddressLookup::State::Done) break;
    if (Clock::now() >= connectDeadline_) return markLost();
    const int left = std::min(RemainingMs(until), RemainingMs(connectDeadline_));
    if (left == 0) return;
    ::poll(nullptr, 0, std::min(left, 10));
  }
  OpenError error = OpenError::None;
  fd_ = StartConnect(lookup_->addresses(), error);
  lookup_.reset();
  if (fd_ < 0) return markLost();
  state_ = State::Connecting;
}

void NetworkSerialDevice::progress(int waitMs) {
  const auto until = Clock::now() + std::chrono::milliseconds(std::max(waitMs, 0));
  if (state_ == State::Resolving) resolve(waitMs);
  if (state_ != State::Connecting) return;
  pollfd p{fd_, POLLOUT, 0};
  const int ready = ::poll(&p, 1, std::min(RemainingMs(until), RemainingMs(connectDeadline_)));
  if (ready <= 0) {
    if (Clock::now() >= connectDeadline_) markLost();
    return;
  }
  int error = 0;
  socklen_t size = sizeof error;
  if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
    markLost();
    return;
  }
  connected();
}

// The Telnet requests and the line settings go ahead of the data that was
// written while the connect went on.
void NetworkSerialDevice::connected() {
  state_ = State::Open;
  if (!telnet_) return;
  std::vector<std::uint8_t> first;
  telnet_->start(first);
  telnet_->setLine(line_, first);
  output_.prepend(first);
}

void NetworkSerialDevice::pump() {
  std::uint8_t chunk[kReadChunk];
  while (state_ == State::Open && !peerClosed_ && available() < static_cast<long>(kInputCapacity)) {
    const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
    if (n == 0) {
      peerClosed_ = true;
      break;
    }
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno != EAGAIN && errno != EWOULDBLOCK) markLost();
      break;
    }
    const std::span<const std::uint8_t> got(chunk, static_cast<std::size_t>(n));
    if (telnet_) {
      decoded_.clear();
      scratch_.clear();
      telnet_->receive(got, decoded_, scratch_);
      input_.append(decoded_);
      output_.append(scratch_);
    } else {
      input_.append(got);
    }
  }
}

long NetworkSerialDevice::pendingInput() {
  progress(0);
  if (state_ == State::Lost) return -1;
  if (state_ == State::Connecting) return 0;
  pump();
  if (state_ == State::Open && available() == 0 && peerClosed_) markLost();
  if (state_ == State::Lost) return -1;
  if (telnet_) flushOutput();  // negotiation answers leave at once
  return available();
}

long NetworkSerialDevice::read(std::uint8_t* buffer, std::size_t max) {
  const long waiting = pendingInput();
  if (waiting <= 0) return waiting;
  const std::size_t n = std::min(max, static_cast<std::size_t>(waiting));
  std::copy_n(input_.front(), n, buffer);
  input_.consume(n);
  return static_cast<long>(n);
}

void NetworkSerialDevice::flushOutput() {
  progress(0);
  while (state_ == State::Open && queuedOutput() > 0) {
    const ssize_t n = ::send(fd_, output_.front(), queuedOutput(), MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno != EAGAIN && errno != EWOULDBLOCK) markLost();
      break;
    }
    output_.consume(static_cast<std::size_t>(n));
  }
}

bool NetworkSerialDevice::write(const std::uint8_t* frame, std::size_t length) {
  flushOutput();  // what waits goes first, and makes room
  if (state_ == State::Lost) return false;
  if (length == 0) return true;
  scratch_.clear();
  if (telnet_) {
    TelnetSession::encodeData({frame, length}, scratch_);
  } else {
    scratch_.assign(frame, frame + length);
  }
  if (queuedOutput() + scratch_.size() > kOutputQueueCapacity) return false;
  output_.append(scratch_);
  flushOutput();
  return state_ != State::Lost;
}

bool NetworkSerialDevice::setLineParameters(const LineParameters& line) {
  if (state_ == State::Lost || !ValidLine(line)) return false;
  line_ = line;
  if (telnet_ && state_ == State::Open) {
    scratch_.clear();
    telnet_->setLine(line, scratch_);
    output_.append(scratch_);
    flushOutput();
  }
  return true;
}

void NetworkSerialDevice::purge() {
  input_.clear();
  if (telnet_) return;
  output_.clear();
}

bool NetworkSerialDevice::waitForInput(int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
  progress(RemainingMs(deadline));
  for (;;) {
    const long waiting = pendingInput();
    if (waiting != 0) return waiting > 0;
    const int left = RemainingMs(deadline);
    if (left == 0 || state_ != State::Open) return false;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, left) <= 0) return false;  // time-out, or a signal
  }
}

std::unique_ptr<SerialDevice> NetworkBackend::open(const std::string& path) {
  const auto address = ParseNetworkAddress(path);
  if (!address) {
    lastError_ = OpenError::NotFound;
    return nullptr;
  }
  auto device = std::make_unique<NetworkSerialDevice>(
      std::make_unique<AddressLookup>(address->host, address->port), address->scheme,
      connectTimeout_);
  // A numeric address is connected to at once, and may be refused at once.
  lastError_ = device->lost() ? OpenError::Refused : OpenError::None;
  if (device->lost()) return nullptr;
  return device;
}

bool NetworkBackend::exists(const std::string& path) const {
  const auto address = ParseNetworkAddress(path);
  if (!address) return false;
  auto it = probes_.find(path);
  if (it == probes_.end()) {
    probes_[path] = std::make_unique<NetworkSerialDevice>(
        std::make_unique<AddressLookup>(address->host, address->port), NetworkScheme::Tcp,
        connectTimeout_);
    return false;
  }
  NetworkSerialDevice& probe = *it->second;
  probe.flushOutput();  // moves the look-up and the connect on
  if (probe.connecting()) return false;
  const bool answered = !probe.lost();
  probes_.erase(it);
  return answered;
}

}  // namespace navbin::platform

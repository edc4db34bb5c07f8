#include "platform/posix_serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace navbin::platform {
namespace {

struct BaudEntry {
  std::uint32_t baud;
  speed_t speed;
};

constexpr BaudEntry kBaudTable[] = {
    {50, B50},       {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400},
};

bool SpeedOf(std::uint32_t baud, speed_t& speed) {
  for (const BaudEntry& e : kBaudTable) {
    if (e.baud == baud) {
      speed = e.speed;
      return true;
    }
  }
  return false;
}

bool SizeFlag(int byteSize, tcflag_t& flag) {
  switch (byteSize) {
    case 5:
      flag = CS5;
      return true;
    case 6:
      flag = CS6;
      return true;
    case 7:
      flag = CS7;
      return true;
    case 8:
      flag = CS8;
      return true;
    default:
      return false;
  }
}

// True when poll() reports the far side gone.
bool HungUp(int fd) {
  pollfd p{fd, POLLIN, 0};
  return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

}  // namespace

OpenError OpenErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
      return OpenError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return OpenError::PermissionDenied;
    case EBUSY:
    case EWOULDBLOCK:
      return OpenError::Busy;
    default:
      return OpenError::Other;
  }
}

PosixSerialDevice::PosixSerialDevice(int fd) : fd_(fd) {}

PosixSerialDevice::~PosixSerialDevice() {
  // The exclusive flag outlives the descriptor on some terminals (a
  // pseudo-terminal slave keeps it while its master is open), so drop it
  // before closing or the next open would be refused.
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
}

void PosixSerialDevice::markLost() {
  lost_ = true;
  queue_.clear();
}

long PosixSerialDevice::pendingInput() {
  if (lost_) return -1;
  int count = 0;
  if (::ioctl(fd_, FIONREAD, &count) != 0) {  // EIO once the line is hung up
    markLost();
    return -1;
  }
  if (count > 0) return count;
  if (HungUp(fd_)) {
    markLost();
    return -1;
  }
  return 0;
}

long PosixSerialDevice::read(std::uint8_t* buffer, std::size_t max) {
  if (lost_) return -1;
  if (max == 0) return 0;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, max);
    if (n > 0) return static_cast<long>(n);
    if (n == 0) {
      // Raw reads return 0 when nothing is waiting, and also once hung up.
      if (!HungUp(fd_)) return 0;
      markLost();
      return -1;
    }
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
    markLost();
    return -1;
  }
}

long PosixSerialDevice::writeSome(const std::uint8_t* data, std::size_t length) {
  for (;;) {
    const ssize_t n = ::write(fd_, data, length);
    if (n >= 0) return static_cast<long>(n);
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
    markLost();
    return -1;
  }
}

void PosixSerialDevice::flushOutput() {
  while (!lost_ && queuedOutput() > 0) {
    const long n = writeSome(queue_.front(), queuedOutput());
    if (n <= 0) break;
    queue_.consume(static_cast<std::size_t>(n));
  }
}

bool PosixSerialDevice::write(const std::uint8_t* frame, std::size_t length) {
  flushOutput();  // what waits goes first, and makes room
  if (lost_) return false;
  if (length == 0) return true;
  if (queuedOutput() + length > kOutputQueueCapacity) return false;
  std::size_t sent = 0;
  if (queuedOutput() == 0) {
    const long n = writeSome(frame, length);
    if (n < 0) return false;
    sent = static_cast<std::size_t>(n);
  }
  queue_.append({frame + sent, length - sent});
  return true;
}

bool PosixSerialDevice::setLineParameters(const LineParameters& line) {
  speed_t speed{};
  tcflag_t size{};
  if (lost_ || !SpeedOf(line.baud, speed) || !SizeFlag(line.byteSize, size)) return false;
  if (line.parity < 0 || line.parity > 2 || line.stopBits < 0 || line.stopBits > 2) return false;
  termios t{};
  if (::tcgetattr(fd_, &t) != 0) return false;
  // Only the fields below change; control characters and the other input
  // and local flags stay as the driver has them.
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  t.c_cflag |= size | CLOCAL | CREAD;
  if (line.parity != 0) t.c_cflag |= PARENB;
  if (line.parity == 1) t.c_cflag |= PARODD;
  if (line.stopBits != 0) t.c_cflag |= CSTOPB;  // 1 (one and a half) and 2
  if (line.parity != 0) {
    t.c_iflag |= INPCK;
  } else {
    t.c_iflag &= ~INPCK;
  }
  t.c_iflag &= ~(IXON | IXOFF | IXANY);
  if (::cfsetispeed(&t, speed) != 0 || ::cfsetospeed(&t, speed) != 0) return false;
  return ::tcsetattr(fd_, TCSANOW, &t) == 0;
}

void PosixSerialDevice::purge() {
  queue_.clear();
  if (!lost_) ::tcflush(fd_, TCIOFLUSH);
}

bool PosixSerialDevice::waitForInput(int timeoutMs) {
  const long pending = pendingInput();
  if (pending != 0) return pending > 0;
  pollfd p{fd_, POLLIN, 0};
  const int ready = ::poll(&p, 1, timeoutMs < 0 ? 0 : timeoutMs);
  if (ready <= 0) return false;  // time-out, or a signal
  if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
    markLost();
    return false;
  }
  return (p.revents & POLLIN) != 0;
}

std::unique_ptr<SerialDevice> PosixSerialBackend::open(const std::string& path) {
  lastError_ = OpenError::None;
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    lastError_ = OpenErrorFromErrno(errno);
    return nullptr;
  }
  bool madeExclusive = false;
  auto fail = [&](OpenError error) -> std::unique_ptr<SerialDevice> {
    // A flag left on a terminal whose device lives on (a pseudo-terminal
    // slave) would refuse every later open.
    if (madeExclusive) ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    lastError_ = error;
    return nullptr;
  };
  if (!::isatty(fd)) return fail(OpenError::NotATerminal);
  // TIOCEXCL keeps out other users but not root; the lock keeps out everyone
  // who locks too, this program included.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail(OpenErrorFromErrno(errno));
#ifdef TIOCGEXCL
  // Root gets through another program's TIOCEXCL; the flag still tells.
  int exclusive = 0;
  if (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) return fail(OpenError::Busy);
#endif
  madeExclusive = ::ioctl(fd, TIOCEXCL) == 0;
  termios t{};
  if (::tcgetattr(fd, &t) != 0) return fail(OpenError::Other);
  ::cfmakeraw(&t);
  t.c_cc[VMIN] = 0;  // reads return at once with what is there
  t.c_cc[VTIME] = 0;
  t.c_cflag |= CLOCAL | CREAD;
  if (::tcsetattr(fd, TCSANOW, &t) != 0) return fail(OpenError::Other);

  auto device = std::make_unique<PosixSerialDevice>(fd);
  device->setLineParameters(LineParameters{});
  int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd, TIOCMBIS, &lines);  // pseudo-terminals refuse; that is fine
  return device;
}

bool PosixSerialBackend::exists(const std::string& path) const {
  return !path.empty() && ::access(path.c_str(), F_OK) == 0;
}

}  // namespace navbin::platform

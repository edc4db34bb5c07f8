#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace navbin::sim {

namespace {

std::string Failure(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

std::unique_ptr<PseudoTerminal> PseudoTerminal::Open(std::string& error) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0) {
    error = Failure("posix_openpt");
    return nullptr;
  }
  auto fail = [&](const char* what, int slave) -> std::unique_ptr<PseudoTerminal> {
    error = Failure(what);
    if (slave >= 0) ::close(slave);
    ::close(master);
    return nullptr;
  };
  if (::grantpt(master) != 0) return fail("grantpt", -1);
  if (::unlockpt(master) != 0) return fail("unlockpt", -1);
  const char* name = ::ptsname(master);
  if (name == nullptr) return fail("ptsname", -1);
  std::string path = name;
  const int slave = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (slave < 0) return fail("open slave", -1);
  // Raw on the slave side: no echo of the reports back to the simulator, no
  // line editing, no translation of 0x0D or 0x11/0x13 in binary frames.
  termios t{};
  if (::tcgetattr(slave, &t) != 0) return fail("tcgetattr", slave);
  ::cfmakeraw(&t);
  t.c_cflag |= CLOCAL | CREAD;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (::tcsetattr(slave, TCSANOW, &t) != 0) return fail("tcsetattr", slave);
  const int flags = ::fcntl(master, F_GETFL);
  if (flags < 0 || ::fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0) return fail("fcntl", slave);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  return std::unique_ptr<PseudoTerminal>(new PseudoTerminal(master, slave, std::move(path)));
}

PseudoTerminal::PseudoTerminal(int master, int keptSlave, std::string slavePath)
    : master_(master), keptSlave_(keptSlave), slavePath_(std::move(slavePath)) {}

PseudoTerminal::~PseudoTerminal() {
  ::close(keptSlave_);
  ::close(master_);
}

long PseudoTerminal::read(std::uint8_t* buffer, std::size_t max) {
  for (;;) {
    const ssize_t n = ::read(master_, buffer, max);
    if (n > 0) return static_cast<long>(n);
    if (n == 0) return -1;
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
    return -1;  // EIO: no slave open
  }
}

bool PseudoTerminal::write(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return true;
  if (queue_.size() + bytes.size() > kQueueCapacity) return false;
  queue_.insert(queue_.end(), bytes.begin(), bytes.end());
  flush();
  return true;
}

void PseudoTerminal::flush() {
  std::size_t sent = 0;
  while (sent < queue_.size()) {
    const ssize_t n = ::write(master_, queue_.data() + sent, queue_.size() - sent);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      sent = queue_.size();  // nobody on the line: the bytes are lost
    }
    break;
  }
  queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(sent));
}

long PseudoTerminal::unreadBySlave() const {
  int count = 0;
  return ::ioctl(keptSlave_, FIONREAD, &count) == 0 ? count : 0;
}

bool PseudoTerminal::clearStaleExclusive() {
#ifdef TIOCGEXCL
  int exclusive = 0;
  if (::ioctl(keptSlave_, TIOCGEXCL, &exclusive) != 0 || exclusive == 0) return false;
  if (::flock(keptSlave_, LOCK_EX | LOCK_NB) != 0) return false;  // a monitor holds it
  ::ioctl(keptSlave_, TIOCNXCL);
  ::flock(keptSlave_, LOCK_UN);
  return true;
#else
  return false;
#endif
}

}  // namespace navbin::sim

#pragma once
// The far side of a pseudo-terminal: a test plays the receiver on the master
// while the code under test opens the slave path like any serial port.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace navbin::support {

class Pty {
 public:
  Pty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) return;
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);  // a child must not keep the far side open
    if (::grantpt(master_) == 0 && ::unlockpt(master_) == 0) slave_ = ::ptsname(master_);
  }
  ~Pty() { closeMaster(); }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  bool ok() const { return !slave_.empty(); }
  const std::string& slave() const { return slave_; }
  int master() const { return master_; }

  bool send(const std::vector<std::uint8_t>& bytes) {
    return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  }
  // Everything the slave side has written so far.
  std::vector<std::uint8_t> drain() {
    std::vector<std::uint8_t> all;
    std::uint8_t buf[4096];
    for (ssize_t n; (n = ::read(master_, buf, sizeof buf)) > 0;)
      all.insert(all.end(), buf, buf + n);
    return all;
  }
  // A master reports its slave's settings.
  termios slaveTermios() const {
    termios t{};
    ::tcgetattr(master_, &t);
    return t;
  }
  // Waits up to `ms` for the slave to leave line editing (a program put it in raw mode).
  bool waitForRawMode(int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
      if (!(slaveTermios().c_lflag & ICANON)) return true;
      ::poll(nullptr, 0, 10);
    }
    return false;
  }
  void closeMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string slave_;
};

}  // namespace navbin::support

#include "tools/timing/chrony_sock.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace navbin::tools::timing {

namespace {

// The datagram chrony's SOCK driver reads, in the machine's own byte order.
struct SockSample {
  timeval tv;     // the PC's clock at the instant measured
  double offset;  // true time minus the PC's clock, s
  int pulse;      // 0: the sample carries the full time
  int leap;       // 0 none, 1 a second is inserted at the end of the day
  int pad;
  int magic;
};
constexpr int kSockMagic = 0x534f434b;

}  // namespace

ChronySock::ChronySock(std::string path)
    : path_(std::move(path)),
      fd_(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}

ChronySock::~ChronySock() {
  if (fd_ >= 0) ::close(fd_);
}

bool ChronySock::send(const TimeSample& sample) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (fd_ < 0 || path_.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);

  const auto micros =
      std::chrono::duration_cast<std::chrono::microseconds>(sample.pc.time_since_epoch());
  SockSample datagram{};
  datagram.tv.tv_sec = static_cast<time_t>(micros.count() / 1000000);
  datagram.tv.tv_usec = static_cast<suseconds_t>(micros.count() % 1000000);
  // The offset from the timestamp as sent, so the microseconds cut off count.
  const auto sentPc = std::chrono::system_clock::time_point(
      std::chrono::duration_cast<std::chrono::system_clock::duration>(micros));
  datagram.offset = std::chrono::duration<double>(sample.receiver - sentPc).count();
  datagram.leap = sample.leap == Leap::Insert ? 1 : 0;
  datagram.magic = kSockMagic;
  return ::sendto(fd_, &datagram, sizeof datagram, 0, reinterpret_cast<sockaddr*>(&address),
                  sizeof address) == static_cast<ssize_t>(sizeof datagram);
}

}  // namespace navbin::tools::timing

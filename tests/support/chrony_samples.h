#pragma once
// chrony's end of a SOCK reference clock: a datagram socket bound at a path,
// read without waiting.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

namespace navbin::support {

class ChronySamples {
 public:
  static constexpr int kMagic = 0x534f434b;
  struct Sample {
    double pc, offset;  // s
    int pulse, leap, magic;
  };

  explicit ChronySamples(std::string path) : path_(std::move(path)) {
    sockaddr_un a{AF_UNIX, {}};
    std::strncpy(a.sun_path, path_.c_str(), sizeof a.sun_path - 1);
    ::unlink(path_.c_str());
    ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
  }
  ~ChronySamples() { ::close(fd_), ::unlink(path_.c_str()); }
  const std::string& path() const { return path_; }

  // The samples that came since the last call.
  std::vector<Sample> take() {
    std::vector<Sample> got;
    struct {
      timeval tv;
      double offset;
      int pulse, leap, pad, magic;
    } d;
    while (::recv(fd_, &d, sizeof d, 0) == sizeof d) {
      got.push_back({d.tv.tv_sec + d.tv.tv_usec / 1e6, d.offset, d.pulse, d.leap, d.magic});
    }
    return got;
  }

 private:
  std::string path_;
  int fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
};

}  // namespace navbin::support

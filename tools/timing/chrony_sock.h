#pragma once
// Samples for chrony's SOCK reference clock (`refclock SOCK PATH`): one
// datagram per sample to the Unix socket chrony binds at PATH, in the layout
// chrony reads. Until chrony listens the samples are dropped.

#include <string>

#include "tools/timing/receiver_clock.h"

namespace navbin::tools::timing {

class ChronySock {
 public:
  explicit ChronySock(std::string path);
  ~ChronySock();
  ChronySock(const ChronySock&) = delete;
  ChronySock& operator=(const ChronySock&) = delete;

  // False when chrony did not take it (not running, or its socket is gone).
  bool send(const TimeSample& sample);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_;
};

}  // namespace navbin::tools::timing

#pragma once
// Samples in the NTP shared-memory segment of a unit (key 0x4E545030 +
// unit), in the layout and with the count/valid protocol that the SHM
// drivers of ntpd and chrony read. Units 0 and 1 are readable by root
// only, higher units by everyone, as those daemons expect.

#include <string>

#include "tools/timing/receiver_clock.h"

namespace navbin::tools::timing {

class ShmSegment {
 public:
  // Attaches the segment, creating it when missing; see ok() and error().
  explicit ShmSegment(int unit);
  ~ShmSegment();
  ShmSegment(const ShmSegment&) = delete;
  ShmSegment& operator=(const ShmSegment&) = delete;

  bool ok() const { return shm_ != nullptr; }
  const std::string& error() const { return error_; }
  int unit() const { return unit_; }

  // `precision`: log2 of the sample's accuracy in seconds (-10 about 1 ms).
  void write(const TimeSample& sample, int precision);

  static constexpr int kKeyBase = 0x4E545030;

 private:
  struct Layout;
  int unit_;
  Layout* shm_ = nullptr;
  std::string error_;
};

}  // namespace navbin::tools::timing

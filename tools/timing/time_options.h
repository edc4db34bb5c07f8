#pragma once
// navbin-log's time-service options.

#include <optional>
#include <string>

namespace navbin::tools::timing {

struct TimeOptions {
  std::string chronySock;      // --chrony-sock: report samples
  std::optional<int> shmUnit;  // --shm: report samples; pulse samples on the next unit
  double timeOffsetMs = 0;     // --time-offset: the receiver's report delay
  std::string ppsDevice;       // --pps
  std::string ppsSock;         // --pps-sock: pulse samples
  bool any() const { return !chronySock.empty() || shmUnit.has_value(); }
};

}  // namespace navbin::tools::timing

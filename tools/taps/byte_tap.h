#pragma once
// Something that sees a receiver's bytes the moment navbin-log reads them:
// the clients of a shared port, the time service.

#include <chrono>
#include <cstdint>
#include <span>

namespace navbin::tools {

// When a chunk was read: the PC's clock (for time samples) and the line's
// rate (to reckon when its first byte began to arrive).
struct ReadTime {
  std::chrono::system_clock::time_point at;
  double secondsPerByte = 0;  // 0: not a serial line, bytes arrive at once
};

class ByteTap {
 public:
  virtual ~ByteTap() = default;
  virtual void received(std::span<const std::uint8_t> bytes, const ReadTime& time) = 0;
  // The receiver's stream starts again (its port was reopened).
  virtual void restarted() {}
};

}  // namespace navbin::tools

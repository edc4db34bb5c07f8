#pragma once
// Output that leaves at a serial line's rate (navbin-sim --pace): bytes are
// queued and let out as the time of their characters passes, so a reader
// sees them arrive as from a real line.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/byte_queue.h"

namespace navbin::sim {

class LinePacer {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr int kBitsPerCharacter = 11;  // start, 8 data, parity, stop

  explicit LinePacer(int baud)
      : perByte_(std::chrono::duration<double>(static_cast<double>(kBitsPerCharacter) / baud)) {}

  void queue(std::span<const std::uint8_t> bytes, Clock::time_point now) {
    if (queue_.size() == 0) next_ = now;  // an idle line starts at once
    queue_.append(bytes);
  }
  // The bytes whose time has come; take() drops the ones sent.
  std::span<const std::uint8_t> due(Clock::time_point now) const {
    if (queue_.size() == 0 || now < next_) return {};
    const auto count = static_cast<std::size_t>((now - next_) / perByte_) + 1;
    return {queue_.front(), std::min(count, queue_.size())};
  }
  void take(std::size_t count) {
    queue_.consume(count);
    next_ += std::chrono::duration_cast<Clock::duration>(perByte_ * static_cast<double>(count));
  }
  // Milliseconds until the next byte is due; nothing when none waits.
  std::optional<std::int64_t> msUntilNext(Clock::time_point now) const {
    if (queue_.size() == 0) return std::nullopt;
    return std::max<std::int64_t>(
        0, std::chrono::ceil<std::chrono::milliseconds>(next_ - now).count());
  }

 private:
  std::chrono::duration<double> perByte_;
  platform::ByteQueue queue_{64 * 1024};
  Clock::time_point next_{};
};

}  // namespace navbin::sim

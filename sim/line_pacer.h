#pragma once
// Output that leaves at a serial line's rate (navbin-sim --pace): bytes are
// queued and let out as the time of their characters passes, so a reader
// sees them arrive as from a real line. A UART hands a byte over once its
// stop bit is through, so each byte is due one character after it began.

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
    if (queue_.size() == 0) next_ = std::max(next_, now);  // an idle line starts at once
    queue_.append(bytes);
  }
  // The bytes whose time has come; take() drops the ones sent.
  std::span<const std::uint8_t> due(Clock::time_point now) const {
    if (queue_.size() == 0 || now < next_) return {};
    const auto count = static_cast<std::size_t>((now - next_) / perByte_);
    return {queue_.front(), std::min(count, queue_.size())};
  }
  void take(std::size_t count) {
    queue_.consume(count);
    next_ += timeOf(count);
  }
  // The line time of `count` characters.
  Clock::duration timeOf(std::size_t count) const {
    return std::chrono::duration_cast<Clock::duration>(perByte_ * static_cast<double>(count));
  }
  // When the character of the queued byte `index` (0: the next one due)
  // begins on the line.
  Clock::time_point startOf(std::size_t index) const { return next_ + timeOf(index); }
  // When the queued bytes and `more` after them will have left.
  Clock::time_point doneAt(std::size_t more, Clock::time_point now) const {
    const auto start = queue_.size() == 0 ? std::max(next_, now) : next_;
    return start + timeOf(queue_.size() + more);
  }
  // When the next byte is due; nothing when none waits.
  std::optional<Clock::time_point> nextDue() const {
    if (queue_.size() == 0) return std::nullopt;
    return startOf(1);
  }
  // Milliseconds until the next byte is due; nothing when none waits.
  std::optional<std::int64_t> msUntilNext(Clock::time_point now) const {
    const auto at = nextDue();
    if (!at) return std::nullopt;
    return std::max<std::int64_t>(0,
                                  std::chrono::ceil<std::chrono::milliseconds>(*at - now).count());
  }

 private:
  std::chrono::duration<double> perByte_;
  platform::ByteQueue queue_{64 * 1024};
  Clock::time_point next_{};  // when the next character begins
};

}  // namespace navbin::sim

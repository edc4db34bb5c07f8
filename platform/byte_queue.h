#pragma once
// A first-in first-out run of bytes read from the front in pieces. The bytes
// taken are dropped in one move once they pass half of `compactAfter`, so
// taking a few bytes at a time does not shift the rest each time.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace navbin::platform {

class ByteQueue {
 public:
  explicit ByteQueue(std::size_t compactAfter) : compactAfter_(compactAfter) {}

  std::size_t size() const { return bytes_.size() - head_; }
  const std::uint8_t* front() const { return bytes_.data() + head_; }

  void append(std::span<const std::uint8_t> more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
  }
  // Puts `first` ahead of everything queued.
  void prepend(std::span<const std::uint8_t> first) {
    bytes_.insert(bytes_.begin() + static_cast<std::ptrdiff_t>(head_), first.begin(), first.end());
  }
  // Drops the first `count` bytes (at most size()).
  void consume(std::size_t count) {
    head_ += count;
    if (head_ == bytes_.size()) {
      clear();
    } else if (head_ > compactAfter_ / 2) {
      bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(head_));
      head_ = 0;
    }
  }
  void clear() {
    bytes_.clear();
    head_ = 0;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t head_ = 0;
  std::size_t compactAfter_;
};

}  // namespace navbin::platform

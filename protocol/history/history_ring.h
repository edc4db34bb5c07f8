#pragma once
// A ring of at most `capacity` values: once full, each new value replaces the
// oldest. Storage grows with use up to the capacity and never past it, so a
// history costs nothing until it fills and stays flat afterwards.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace navbin::reports {

template <class T>
class BoundedRing {
 public:
  explicit BoundedRing(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

  std::size_t capacity() const { return capacity_; }
  std::size_t size() const { return values_.size(); }
  bool empty() const { return values_.empty(); }

  void push(const T& value) {
    if (values_.size() < capacity_) {
      if (values_.size() == values_.capacity()) grow();
      values_.push_back(value);
      return;
    }
    values_[oldest_] = value;
    oldest_ = (oldest_ + 1) % capacity_;
  }

  // Value i, 0 the oldest.
  const T& operator[](std::size_t i) const { return values_[(oldest_ + i) % values_.size()]; }
  const T& newest() const { return (*this)[size() - 1]; }
  T& newest() { return values_[(oldest_ + size() - 1) % values_.size()]; }

  void clear() {
    values_.clear();
    oldest_ = 0;
  }

  // Heap bytes held for the values.
  std::size_t bytesHeld() const { return values_.capacity() * sizeof(T); }

 private:
  // Doubles the storage, but never beyond the capacity.
  void grow() {
    constexpr std::size_t kFirstBlock = 256;
    values_.reserve(std::min(capacity_, std::max(kFirstBlock, values_.size() * 2)));
  }

  std::size_t capacity_;
  std::size_t oldest_ = 0;  // index of the oldest value once full
  std::vector<T> values_;
};

}  // namespace navbin::reports

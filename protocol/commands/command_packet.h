#pragma once
// A built command: the packet bytes (id first) in a fixed buffer, so that
// building and sending a command never allocates.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "link/field_codec.h"

namespace navbin::commands {

// Longest command the encoders build: the satellite-data load, 5 header bytes
// plus up to 255 data bytes.
inline constexpr std::size_t kMaxCommandLength = 5 + 255;

class CommandPacket {
 public:
  CommandPacket() = default;
  CommandPacket(std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) push(b);
  }

  // Appends one byte; bytes beyond kMaxCommandLength are not stored.
  void push(std::uint8_t b) {
    if (length_ < bytes_.size()) bytes_[length_++] = b;
  }
  // Reserves `n` bytes at the end and returns a pointer to the first of them,
  // for the field writers; nullptr when they do not fit.
  std::uint8_t* extend(std::size_t n) {
    if (n > bytes_.size() - length_) return nullptr;
    std::uint8_t* field = bytes_.data() + length_;
    length_ += n;
    return field;
  }

  // Big-endian fields, written with the link layer's writers.
  void pushU16(std::uint16_t v) {
    if (std::uint8_t* p = extend(2)) link::PutU16(v, p);
  }
  void pushU32(std::uint32_t v) {
    if (std::uint8_t* p = extend(4)) link::PutU32(v, p);
  }
  void pushSingle(float v) {
    if (std::uint8_t* p = extend(4)) link::PutSingle(v, p);
  }
  void pushDouble(double v) {
    if (std::uint8_t* p = extend(8)) link::PutDouble(v, p);
  }
  void pushRepeated(std::uint8_t b, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) push(b);
  }

  std::size_t size() const { return length_; }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }
  std::span<const std::uint8_t> view() const { return {bytes_.data(), length_}; }
  std::vector<std::uint8_t> toVector() const { return {bytes_.begin(), bytes_.begin() + length_}; }

 private:
  std::array<std::uint8_t, kMaxCommandLength> bytes_{};
  std::size_t length_ = 0;
};

}  // namespace navbin::commands

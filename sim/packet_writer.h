#pragma once
// Builds one packet (id first, then the payload) with the big-endian field
// writers of the link layer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "link/field_codec.h"

namespace navbin::sim {

using Packet = std::vector<std::uint8_t>;

class PacketWriter {
 public:
  explicit PacketWriter(std::uint8_t id) {
    bytes_.reserve(64);  // most reports fit: one allocation
    bytes_.push_back(id);
  }
  PacketWriter(std::uint8_t id, std::uint8_t subId) : PacketWriter(id) { u8(subId); }

  PacketWriter& u8(std::uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  PacketWriter& fill(std::uint8_t v, std::size_t count) {
    bytes_.insert(bytes_.end(), count, v);
    return *this;
  }
  PacketWriter& u16(std::uint16_t v) {
    return put(2, [&](std::uint8_t* p) { link::PutU16(v, p); });
  }
  PacketWriter& s16(std::int16_t v) { return u16(static_cast<std::uint16_t>(v)); }
  PacketWriter& u32(std::uint32_t v) {
    return put(4, [&](std::uint8_t* p) { link::PutU32(v, p); });
  }
  PacketWriter& s32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
  PacketWriter& single(float v) {
    return put(4, [&](std::uint8_t* p) { link::PutSingle(v, p); });
  }
  PacketWriter& single(double v) { return single(static_cast<float>(v)); }
  PacketWriter& dbl(double v) {
    return put(8, [&](std::uint8_t* p) { link::PutDouble(v, p); });
  }

  Packet take() { return std::move(bytes_); }

 private:
  // The field is written aside and appended: growing the vector first and
  // writing into its tail makes GCC's -O2 bounds analysis report false faults.
  template <class F>
  PacketWriter& put(std::size_t width, F write) {
    std::array<std::uint8_t, 8> field{};
    write(field.data());
    bytes_.insert(bytes_.end(), field.begin(), field.begin() + static_cast<std::ptrdiff_t>(width));
    return *this;
  }

  Packet bytes_;
};

}  // namespace navbin::sim

#pragma once
// Big-endian field readers and writers: every multi-byte field of every
// packet, in both directions, uses these byte orders.

#include <bit>
#include <cstdint>
#include <cstring>

namespace navbin::link {

inline std::uint16_t GetU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}
inline std::int16_t GetS16(const std::uint8_t* p) {
  return static_cast<std::int16_t>(GetU16(p));
}
inline std::uint32_t GetU32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}
inline std::int32_t GetS32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(GetU32(p));
}
inline std::uint64_t GetU64(const std::uint8_t* p) {
  return std::uint64_t{GetU32(p)} << 32 | GetU32(p + 4);
}
inline float GetSingle(const std::uint8_t* p) {
  return std::bit_cast<float>(GetU32(p));
}
inline double GetDouble(const std::uint8_t* p) {
  return std::bit_cast<double>(GetU64(p));
}

inline void PutU16(std::uint16_t v, std::uint8_t* p) {
  p[0] = static_cast<std::uint8_t>(v >> 8);
  p[1] = static_cast<std::uint8_t>(v);
}
inline void PutU32(std::uint32_t v, std::uint8_t* p) {
  PutU16(static_cast<std::uint16_t>(v >> 16), p);
  PutU16(static_cast<std::uint16_t>(v), p + 2);
}
inline void PutSingle(float v, std::uint8_t* p) {
  PutU32(std::bit_cast<std::uint32_t>(v), p);
}
inline void PutDouble(double v, std::uint8_t* p) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  PutU32(static_cast<std::uint32_t>(bits >> 32), p);
  PutU32(static_cast<std::uint32_t>(bits), p + 4);
}

}  // namespace navbin::link

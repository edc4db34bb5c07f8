#pragma once
// Packets as values: frames built and taken apart, payloads written and read
// field by field, big-endian like the receiver sends them.

#include <cstdint>
#include <span>
#include <vector>

#include "link/field_codec.h"
#include "link/framing.h"
#include "link/port_context.h"

namespace navbin::support {

using Bytes = std::vector<std::uint8_t>;

struct Packet {
  int id = 0;
  Bytes payload;  // for 0x8E and 0x8F the sub-id is byte 0

  bool operator==(const Packet&) const = default;
  int subId() const { return payload.empty() ? -1 : payload[0]; }
  const std::uint8_t* at(std::size_t offset) const { return payload.data() + offset; }
  float single(std::size_t offset) const { return link::GetSingle(at(offset)); }
  double dbl(std::size_t offset) const { return link::GetDouble(at(offset)); }
  std::uint16_t u16(std::size_t offset) const { return link::GetU16(at(offset)); }
};

// The packet a port record or a de-framer completed last.
template <class Completed>
Packet PacketOf(const Completed& c) {
  const std::uint8_t* p = c.frameBuffer.data();
  return {static_cast<int>(c.packetId), {p, p + c.packetLen}};
}

// The frame of `packet` (id first) as it goes on the wire.
inline Bytes Frame(const Bytes& packet) {
  Bytes out(link::kMaxFrameLength);
  out.resize(link::BuildFrame(packet, out));
  return out;
}

inline std::vector<Packet> Deframe(std::span<const std::uint8_t> bytes) {
  link::Deframer d;
  std::vector<Packet> packets;
  for (std::uint8_t b : bytes) {
    if (d.feed(b)) packets.push_back(PacketOf(d));
  }
  return packets;
}

inline std::vector<int> Ids(const std::vector<Packet>& packets) {
  std::vector<int> ids;
  for (const Packet& p : packets) ids.push_back(p.id);
  return ids;
}

// A payload built field by field.
class Payload {
 public:
  // Room for the longest payload up front, which also keeps GCC's -O2
  // bounds checks from misreading the growing vector.
  Payload() { bytes_.reserve(link::kFrameBufferSize); }
  Payload& u8(int v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  Payload& u16(int v) { return u8(v >> 8).u8(v); }
  Payload& single(float v) {
    std::uint8_t b[4];
    link::PutSingle(v, b);
    bytes_.insert(bytes_.end(), b, b + 4);
    return *this;
  }
  Payload& dbl(double v) {
    std::uint8_t b[8];
    link::PutDouble(v, b);
    bytes_.insert(bytes_.end(), b, b + 8);
    return *this;
  }
  Payload& zeros(int n) {
    bytes_.insert(bytes_.end(), static_cast<std::size_t>(n), 0);
    return *this;
  }
  operator const Bytes&() const { return bytes_; }

 private:
  Bytes bytes_;
};

}  // namespace navbin::support

#pragma once
// Shared helpers of the link tests: capture files, packets as values, and
// the packet counts the recordings are known to hold.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/framing.h"
#include "link/port_context.h"

namespace navbin::link::test {

struct Packet {
  int id = 0;
  std::vector<std::uint8_t> payload;
  bool operator==(const Packet&) const = default;
};

inline Packet PacketOf(const PortContext& port) {
  return {port.packetId, {port.payload(), port.payload() + port.packetLen}};
}
inline Packet PacketOf(const Deframer& d) {
  return {d.packetId, {d.frameBuffer.begin(), d.frameBuffer.begin() + d.packetLen}};
}

inline std::vector<std::uint8_t> ReadCapture(const std::string& name) {
  std::ifstream in(std::string(NAVBIN_CAPTURES_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<Packet> DeframeAll(const std::vector<std::uint8_t>& bytes) {
  Deframer d;
  std::vector<Packet> packets;
  for (std::uint8_t b : bytes) {
    if (d.feed(b)) packets.push_back(PacketOf(d));
  }
  return packets;
}

inline std::vector<std::uint8_t> Frame(const std::vector<std::uint8_t>& packet) {
  std::vector<std::uint8_t> out(kMaxFrameLength);
  out.resize(BuildFrame(packet, out));
  return out;
}

// One line of the recordings' table: packets of `name` ("41", "8F-AB") with a
// payload length in [minLen, maxLen].
struct ExpectedGroup {
  std::string name;
  std::uint32_t minLen;
  std::uint32_t maxLen;
  int count;
};

struct CaptureExpectation {
  std::string file;
  std::vector<ExpectedGroup> groups;
};

inline std::vector<CaptureExpectation> KnownCaptures() {
  return {
      {"nav-3d-tracking.nvb",
       {{"41", 10, 10, 10},
        {"46", 2, 2, 12},
        {"4B", 3, 3, 11},
        {"5C", 24, 24, 105},
        {"6D", 19, 22, 50},
        {"82", 1, 1, 11},
        {"8F-20", 64, 64, 39}}},
      {"nav-tracking.nvb",
       {{"41", 10, 10, 6},
        {"46", 2, 2, 6},
        {"4B", 3, 3, 5},
        {"5C", 24, 24, 89},
        {"6D", 21, 22, 30},
        {"82", 1, 1, 2},
        {"8F-20", 64, 64, 30}}},
      {"nav-lla-double.nvb",
       {{"00", 0, 0, 1},
        {"41", 10, 10, 8},
        {"46", 2, 2, 8},
        {"4B", 3, 3, 8},
        {"56", 20, 20, 41},
        {"6D", 21, 22, 41},
        {"82", 1, 1, 41},
        {"84", 36, 36, 40}}},
      {"nav-xyz-double-2d.nvb",
       {{"41", 10, 10, 6},
        {"46", 2, 2, 6},
        {"4B", 3, 3, 6},
        {"5C", 24, 24, 60},
        {"6D", 20, 20, 30},
        {"82", 1, 1, 30},
        {"83", 36, 36, 30},
        {"8F-20", 64, 64, 30}}},
      {"timing-a.nvb", {{"8F-AB", 17, 17, 59}, {"8F-AC", 68, 68, 59}}},
      {"timing-b.nvb",
       {{"46", 2, 2, 5},
        {"4B", 3, 3, 5},
        {"5C", 24, 24, 50},
        {"6D", 26, 27, 5},
        {"8F-AB", 17, 17, 30},
        {"8F-AC", 68, 68, 30}}},
  };
}

inline std::string NameOf(const Packet& p) {
  char buf[8];
  if ((p.id == 0x8E || p.id == 0x8F) && !p.payload.empty()) {
    std::snprintf(buf, sizeof buf, "%02X-%02X", p.id, p.payload[0]);
  } else {
    std::snprintf(buf, sizeof buf, "%02X", p.id);
  }
  return buf;
}

}  // namespace navbin::link::test

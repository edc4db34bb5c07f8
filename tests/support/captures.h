#pragma once
// The receiver recordings: their bytes and the packets they are known to hold.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/packets.h"

namespace navbin::support {

inline std::string CapturePath(const std::string& name) {
  return std::string(NAVBIN_CAPTURES_DIR) + "/" + name;
}

// The whole file; empty when it cannot be read.
inline Bytes ReadCapture(const std::string& name) {
  std::ifstream in(CapturePath(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// "41", or "8F-AB" for a super-packet.
inline std::string NameOf(const Packet& p) {
  char buf[8];
  if ((p.id == 0x8E || p.id == 0x8F) && !p.payload.empty()) {
    std::snprintf(buf, sizeof buf, "%02X-%02X", p.id, p.payload[0]);
  } else {
    std::snprintf(buf, sizeof buf, "%02X", p.id);
  }
  return buf;
}

// Packets named `name` with a payload length in [minLen, maxLen].
struct ExpectedGroup {
  std::string name;
  std::size_t minLen, maxLen;
  int count;
};

struct CaptureExpectation {
  std::string file;
  std::vector<ExpectedGroup> groups;

  int packets() const {
    int n = 0;
    for (const auto& g : groups) n += g.count;
    return n;
  }
};

// Groups written as the recordings' README lists them: "41/10: 10, 6D/19..22: 50".
inline std::vector<ExpectedGroup> Groups(const std::string& text) {
  std::vector<ExpectedGroup> groups;
  std::istringstream in(text);
  for (std::string item; std::getline(in, item, ',');) {
    ExpectedGroup g{};
    char name[8] = {};
    unsigned long minLen = 0, maxLen = 0;
    if (std::sscanf(item.c_str(), " %7[0-9A-F-]/%lu..%lu: %d", name, &minLen, &maxLen, &g.count) !=
        4) {
      maxLen = 0;
      std::sscanf(item.c_str(), " %7[0-9A-F-]/%lu: %d", name, &minLen, &g.count);
    }
    g.name = name;
    g.minLen = minLen;
    g.maxLen = maxLen ? maxLen : minLen;
    groups.push_back(g);
  }
  return groups;
}

inline const std::vector<CaptureExpectation>& KnownCaptures() {
  static const std::vector<CaptureExpectation> captures = {
      {"nav-3d-tracking.nvb",
       Groups("41/10: 10, 46/2: 12, 4B/3: 11, 5C/24: 105, 6D/19..22: 50, 82/1: 11, 8F-20/64: 39")},
      {"nav-tracking.nvb",
       Groups("41/10: 6, 46/2: 6, 4B/3: 5, 5C/24: 89, 6D/21..22: 30, 82/1: 2, 8F-20/64: 30")},
      {"nav-lla-double.nvb",
       Groups(
           "00/0: 1, 41/10: 8, 46/2: 8, 4B/3: 8, 56/20: 41, 6D/21..22: 41, 82/1: 41, 84/36: 40")},
      {"nav-xyz-double-2d.nvb",
       Groups(
           "41/10: 6, 46/2: 6, 4B/3: 6, 5C/24: 60, 6D/20: 30, 82/1: 30, 83/36: 30, 8F-20/64: 30")},
      {"timing-a.nvb", Groups("8F-AB/17: 59, 8F-AC/68: 59")},
      {"timing-b.nvb",
       Groups("46/2: 5, 4B/3: 5, 5C/24: 50, 6D/26..27: 5, 8F-AB/17: 30, 8F-AC/68: 30")},
  };
  return captures;
}

}  // namespace navbin::support

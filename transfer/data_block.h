#pragma once
// The almanac and ephemeris file: a sequence of data blocks, each
//   0x82, type, SV (types 1, 2 and 6 only), length L, L data bytes, 0x83,
// the data bytes being those of the receiver's 0x58 reply, kept unchanged.
// Bytes before a block's start marker are skipped when reading.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace navbin::transfer {

inline constexpr std::uint8_t kBlockStart = 0x82;
inline constexpr std::uint8_t kBlockEnd = 0x83;

// The data types of the satellite-data exchange.
inline constexpr std::uint8_t kTypeSatellite = 1;  // per SV, accepted on upload only
inline constexpr std::uint8_t kTypeAlmanac = 2;    // per SV
inline constexpr std::uint8_t kTypeAlmanacHealth = 3;
inline constexpr std::uint8_t kTypeIonosphere = 4;
inline constexpr std::uint8_t kTypeUtc = 5;
inline constexpr std::uint8_t kTypeEphemeris = 6;  // per SV
inline constexpr int kSvCount = 32;

// True for the types whose blocks (and commands) carry an SV number.
constexpr bool IsPerSv(std::uint8_t type) {
  return type == kTypeSatellite || type == kTypeAlmanac || type == kTypeEphemeris;
}
constexpr bool IsValidSv(int sv) {
  return sv >= 1 && sv <= kSvCount;
}

// The bytes of one block: L + 5 for a per-SV type, L + 4 otherwise. At most
// 255 data bytes are taken.
std::vector<std::uint8_t> EncodeBlock(std::uint8_t type, std::uint8_t sv,
                                      std::span<const std::uint8_t> data);

// Where bytes come from: get() returns the next byte, or -1 at the end.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual int get() = 0;
};

class FileSource final : public ByteSource {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  int get() override;  // a read error counts as the end

 private:
  std::FILE* file_;
};

class SpanSource final : public ByteSource {
 public:
  explicit SpanSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  int get() override { return at_ < bytes_.size() ? bytes_[at_++] : -1; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// How far one read got.
enum class BlockEnd {
  Complete,      // a whole block with its end marker
  NoBlock,       // the input ended before a start marker and a type
  BadType,       // a type outside 1 to 6
  BadSv,         // an SV outside 1 to 32 (per-SV types)
  CutInHeader,   // the input ended where the SV belongs
  CutInData,     // the input ended in the length, the data or before the end marker
  BadEndMarker,  // the byte after the data is not 0x83
};

struct BlockRead {
  BlockEnd end = BlockEnd::NoBlock;
  std::uint8_t type = 0;  // valid from BadType on
  std::uint8_t sv = 0;    // 0 for the types that are not per SV
  std::vector<std::uint8_t> data;

  bool typeRead() const { return end != BlockEnd::NoBlock; }
  // Type and SV were read and valid: the block names its light or SV.
  bool headerRead() const {
    return end == BlockEnd::Complete || end == BlockEnd::CutInData || end == BlockEnd::BadEndMarker;
  }
};

// Reads the next block, skipping bytes up to its start marker. Stops at the
// first byte that makes the block unusable, so nothing past it is consumed.
BlockRead ReadBlock(ByteSource& in);

}  // namespace navbin::transfer

#include "transfer/data_block.h"

#include <algorithm>

namespace navbin::transfer {

std::vector<std::uint8_t> EncodeBlock(std::uint8_t type, std::uint8_t sv,
                                      std::span<const std::uint8_t> data) {
  const std::size_t n = std::min<std::size_t>(data.size(), 255);
  std::vector<std::uint8_t> block{kBlockStart, type};
  if (IsPerSv(type)) block.push_back(sv);
  block.push_back(static_cast<std::uint8_t>(n));
  block.insert(block.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
  block.push_back(kBlockEnd);
  return block;
}

int FileSource::get() {
  const int c = std::fgetc(file_);
  return c == EOF ? -1 : c;
}

BlockRead ReadBlock(ByteSource& in) {
  BlockRead r;
  int b;
  do {
    b = in.get();
  } while (b >= 0 && b != kBlockStart);
  if (b < 0 || (b = in.get()) < 0) return r;  // NoBlock

  r.type = static_cast<std::uint8_t>(b);
  if (r.type < kTypeSatellite || r.type > kTypeEphemeris) {
    r.end = BlockEnd::BadType;
    return r;
  }
  if (IsPerSv(r.type)) {
    if ((b = in.get()) < 0) {
      r.end = BlockEnd::CutInHeader;
      return r;
    }
    r.sv = static_cast<std::uint8_t>(b);
    if (!IsValidSv(r.sv)) {
      r.end = BlockEnd::BadSv;
      return r;
    }
  }
  r.end = BlockEnd::CutInData;
  const int length = in.get();
  if (length < 0) return r;
  r.data.reserve(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) {
    if ((b = in.get()) < 0) return r;
    r.data.push_back(static_cast<std::uint8_t>(b));
  }
  if ((b = in.get()) < 0) return r;
  r.end = b == kBlockEnd ? BlockEnd::Complete : BlockEnd::BadEndMarker;
  return r;
}

}  // namespace navbin::transfer

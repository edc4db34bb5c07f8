// Fuzz target: arbitrary bytes as an almanac or ephemeris file, read block
// after block as an upload does (and on past the blocks that end an upload).
// Checks that the reader never reads past the input, consumes nothing beyond
// the byte that ended a block, always makes progress, and that every complete
// block writes back to exactly the bytes it was read from.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "transfer/data_block.h"

namespace {

using namespace navbin::transfer;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "data block invariant broken: %s\n", what);
  std::abort();
}

class CountingSource final : public ByteSource {
 public:
  explicit CountingSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  int get() override {
    Check(!ended_, "no read after the end was reported");
    if (at_ < bytes_.size()) return bytes_[at_++];
    ended_ = true;
    return -1;
  }
  std::size_t at() const { return at_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool ended_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  CountingSource in(input);
  for (;;) {
    const std::size_t before = in.at();
    const BlockRead block = ReadBlock(in);
    if (block.end == BlockEnd::NoBlock) break;
    Check(in.at() > before, "every block read consumes bytes");
    Check(block.data.size() <= 255, "at most 255 data bytes");
    if (block.headerRead()) {
      Check(IsPerSv(block.type) ? IsValidSv(block.sv) : block.sv == 0, "a read header's SV");
    }
    if (block.end == BlockEnd::Complete) {
      const auto bytes = EncodeBlock(block.type, block.sv, block.data);
      Check(bytes.size() <= in.at(), "block within the input");
      const auto read = input.subspan(in.at() - bytes.size(), bytes.size());
      Check(std::equal(bytes.begin(), bytes.end(), read.begin()), "block writes back to its bytes");
    }
    if (block.end == BlockEnd::CutInHeader || block.end == BlockEnd::CutInData) {
      Check(in.at() == size, "a cut block ends with the input");
      break;
    }
  }
  return 0;
}

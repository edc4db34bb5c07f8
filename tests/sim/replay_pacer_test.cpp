// When the packets of a recording go out: by the receiver's time reports, and
// by the line's rate where those are missing, jump back or leave a long gap.

#include <gtest/gtest.h>

#include "sim/replay_pacer.h"
#include "tests/support/packets.h"

namespace navbin::sim {
namespace {

using support::Bytes;

// 0x8F-AB of `second` in GPS week 2085; its frame is 21 bytes.
Bytes Timing(std::uint32_t second) {
  return support::Payload()
      .u8(0x8F)
      .u8(0xAB)
      .u16(static_cast<int>(second >> 16))
      .u16(static_cast<int>(second & 0xFFFF))
      .u16(2085)
      .zeros(10);
}

TEST(ReplayPacer, TimeReportsPinTheTimelineAndBreaksFallBackToTheLine) {
  Bytes filler(17, 0);  // a 20-byte frame
  filler[0] = 0x4B;
  const double line = ReplayPacer::LineSeconds(21);
  const struct {
    const char* name;
    std::vector<Bytes> packets;
    std::vector<double> at;
  } rows[] = {
      {"a second apart, shared by bytes", {Timing(100), filler, Timing(101)}, {0, 21.0 / 41, 1}},
      {"no time reports", {filler, filler}, {0, ReplayPacer::LineSeconds(20)}},
      {"time going back", {Timing(100), Timing(90)}, {0, line}},
      {"a gap of hours", {Timing(100), Timing(100 + 7200)}, {0, line}},
      {"the same second twice", {Timing(100), Timing(100), Timing(101)}, {0, line, line + 1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ReplayPacer pacer;
    std::vector<TimedFrame> out;
    for (const Bytes& packet : row.packets) pacer.add(packet, out);
    pacer.finish(out);
    ASSERT_EQ(out.size(), row.at.size());
    for (std::size_t i = 0; i < out.size(); ++i) EXPECT_NEAR(out[i].at, row.at[i], 1e-9) << i;
  }
}

}  // namespace
}  // namespace navbin::sim

// Packet times: by the time reports, else (none, going back, a gap) by the line.

#include <gtest/gtest.h>

#include "sim/replay_pacer.h"
#include "tests/support/packets.h"

namespace navbin::sim {
namespace {

using support::Bytes;

// 0x8F-AB of `second` (below 65536) in GPS week 2085: a 21-byte frame.
Bytes Timing(int second) {
  Bytes b = {0x8F, 0xAB, 0, 0, std::uint8_t(second >> 8), std::uint8_t(second), 0x08, 0x25};
  b.resize(18);
  return b;
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

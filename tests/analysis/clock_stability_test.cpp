// The receiver clock of each recording as the Stability window collects it:
// which reports it comes from, how many samples, a missing second kept as a
// gap, and reports of a wrong length ignored without changing a value.

#include <gtest/gtest.h>

#include "protocol/analysis/clock_stability.h"
#include "protocol/analysis/stability_table.h"
#include "tests/support/captures.h"

namespace navbin::analysis {
namespace {

using support::Packet;

struct Case {
  const char* file;
  ClockSource source;
  std::size_t biasSamples, rateSamples;
};

std::string Csv(const ClockStability& clock, ClockQuantity q) {
  return StabilityCsv(clock.statistics(q).results());
}

TEST(ClockHistory, EachRecordingGivesItsReceiversClock) {
  const Case cases[] = {{"timing-a.nvb", ClockSource::Timing, 59, 59},
                        {"nav-lla-double.nvb", ClockSource::Navigation, 40, 41}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const auto packets = support::Deframe(support::ReadCapture(c.file));
    ClockHistory clean, hostile, gappy;
    int clockReports = 0;
    for (const Packet& p : packets) {
      clean.observe(2, p.id, p.payload);
      support::Bytes longer = p.payload;
      longer.push_back(0);
      hostile.observe(18, p.id, {p.payload.data(), p.payload.size() / 2});
      hostile.observe(18, p.id, longer);
      hostile.observe(18, p.id, p.payload);
      // Every clock report of the 7th second of ten is lost.
      const bool clock = p.id == 0x8F || p.id == 0x84 || p.id == 0x56;
      if (clock && ++clockReports % 20 / 2 == 7) continue;
      gappy.observe(0, p.id, p.payload);
    }
    EXPECT_EQ(clean.port(1), nullptr);
    ASSERT_NE(clean.port(2), nullptr);
    const ClockStability& clock = *clean.port(2);
    EXPECT_EQ(clock.source(), c.source);
    EXPECT_EQ(clock.samples(ClockQuantity::Bias), c.biasSamples);
    EXPECT_EQ(clock.samples(ClockQuantity::Rate), c.rateSamples);
    EXPECT_GE(clock.statistics(ClockQuantity::Bias).results().size(), 4u);
    for (const auto q : {ClockQuantity::Bias, ClockQuantity::Rate}) {
      EXPECT_EQ(Csv(*hostile.port(2), q), Csv(clock, q));  // port 18 is port 2 again
      EXPECT_EQ(gappy.port(0)->samples(q), clock.samples(q));
      EXPECT_NE(Csv(*gappy.port(0), q), Csv(clock, q));
    }
  }
}

TEST(ClockHistory, SourceTextsSayWhatTheyMeasure) {
  EXPECT_EQ(ClockSourceText(ClockSource::Timing, 3600, 1),
            "From the receiver's own clock reports (supplemental timing reports): its view of "
            "its clock, not an external counter. 3600 samples at 1 s.");
  EXPECT_NE(ClockSourceText(ClockSource::Navigation, 2, 0.5).find("position and velocity"),
            std::string::npos);
  EXPECT_EQ(ClockQuantityText(ClockQuantity::Rate), "Bias rate (frequency)");
}

}  // namespace
}  // namespace navbin::analysis

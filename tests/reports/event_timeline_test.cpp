// The event timeline and the PC clock's offset, fed through the dispatcher's
// observer: each change of a 0x8F-AC report is one event dated by the time
// report before it, an unchanged report none; a lost port is marked at its
// last time report and back at its next one.

#include "protocol/history/report_history.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

constexpr double kWeek2000Utc = 1525564800.0 - 18;  // GPS week 2000 began 18 s of UTC earlier

Bytes PrimaryTiming(int tow) {
  return Payload().u8(0xAB).u16(tow >> 16).u16(tow & 0xFFFF).u16(2000).u16(18).zeros(8);
}

struct Timing {
  int mode, progress, alarms, status, pps;
};
Bytes Supplemental(const Timing& t) {
  Payload p;
  p.u8(0xAC).u8(t.mode).u8(0).u8(t.progress).zeros(6).u16(t.alarms).u8(t.status).zeros(51);
  return p.u8(t.pps).zeros(3);
}

class TimelineTest : public ReportTest {
 protected:
  TimelineTest() {
    dispatcher.addReportObserver(
        [this](const link::PortContext& p, const ReceiverState& r) { history.observe(p, r); });
  }
  // The texts of the events added since the last call, each checked for its date.
  std::vector<std::string> newEvents(double utc) {
    std::vector<std::string> texts;
    for (const auto& ring = history.port(0).timeline.events(); seen < ring.size(); ++seen) {
      EXPECT_EQ(ring[seen].utc, utc) << EventText(ring[seen]);
      texts.push_back(EventText(ring[seen]));
    }
    return texts;
  }
  ReportHistory history{&clock};
  std::size_t seen = 0;
};

TEST_F(TimelineTest, EachChangeOfTheSupplementalTimingReportIsOneEvent) {
  struct Step {
    Timing report;
    std::vector<std::string> events;
  };
  const Step steps[] = {
      {{0, 20, 0x0820, 0, 0},
       {"Receiver mode: Automatic (2D/3D)", "Decoding status: Doing fixes", "Alarm set: Almanac",
        "Self-survey started, 20%", "PPS lost"}},
      {{0, 20, 0x0820, 0, 0}, {}},
      {{0, 60, 0x0820, 0, 0}, {}},  // progress alone is no event
      {{7, 100, 0x0088, 1, 1},
       {"Receiver mode: Overdetermined Clock", "Decoding status: Don't have GPS time",
        "Alarm set: Satellite Tracking", "Leap second pending", "Alarm cleared: Almanac",
        "Self-survey ended, 100%", "PPS regained"}},
      {{7, 100, 0, 0, 1},
       {"Decoding status: Doing fixes", "Alarm cleared: Satellite Tracking",
        "Leap second no longer pending"}},
  };
  int tow = 1000;
  for (const Step& step : steps) {
    deliver(0x8F, PrimaryTiming(++tow));
    const Bytes report = Supplemental(step.report);
    deliver(0x8F, report);
    deliver(0x8F, Bytes(report.begin(), report.end() - 1));  // one byte short: nothing
    EXPECT_EQ(newEvents(kWeek2000Utc + tow), step.events) << "tow " << tow;
  }
  const auto& events = history.port(0).timeline.events();
  EXPECT_TRUE(IsTrouble(events[2]) && !IsTrouble(events[1]) && IsTrouble(events[6]));
  EXPECT_EQ(EventHint(events[0]), "00:16:23 UTC  Receiver mode: Automatic (2D/3D)");

  history.portLost(0);
  EXPECT_EQ(newEvents(kWeek2000Utc + tow), (std::vector<std::string>{"Port lost"}));
  deliver(0x8F, Supplemental(steps[4].report));  // unchanged
  deliver(0x8F, PrimaryTiming(tow + 30));
  EXPECT_EQ(newEvents(kWeek2000Utc + tow + 30), (std::vector<std::string>{"Port back"}));
  EXPECT_TRUE(IsTrouble(events[events.size() - 2]) && !IsTrouble(events.newest()));
}

TEST_F(TimelineTest, PcClockOffsetIsThePcClockMinusTheReceiversUtcOncePerSecond) {
  struct Case {
    platform::CalendarTime pc;
    Bytes report;
    double offset;  // s
    std::size_t points;
  };
  const Case cases[] = {
      // 00:00:10 GPS of week 2000 is 2018-05-05 23:59:52 UTC.
      {{2018, 5, 6, 0, 0, 5, 250}, Payload().single(10).u16(2000).single(18), 13.25, 1},
      {{2018, 5, 6, 0, 0, 9, 0}, Payload().single(NAN).u16(2000).single(18), 13.25, 1},
      {{2018, 5, 5, 23, 59, 52, 40}, PrimaryTiming(10), 0.04, 1},  // the same second
      {{2018, 5, 5, 23, 59, 52, 900}, PrimaryTiming(11), -0.1, 2},
  };
  for (const Case& c : cases) {
    clock.now = c.pc;
    deliver(c.report.size() == 10 ? 0x41 : 0x8F, c.report);
    const auto& offsets = history.port(0).pcOffset;
    ASSERT_EQ(offsets.size(), c.points);
    EXPECT_NEAR(offsets.newest().offset, c.offset, 1e-6);
  }
  ReportHistory noClock;  // a recording's
  noClock.observe(ports[0], state.receivers[0]);
  EXPECT_TRUE(noClock.port(0).pcOffset.empty() && noClock.port(0).timeBase.known());
}

}  // namespace
}  // namespace navbin::reports::test

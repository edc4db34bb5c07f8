// The time service: weeks past a rollover and leap-second days, then report
// and pulse samples as chrony's SOCK driver receives them (a datagram socket
// bound here), from frames read in chunks at a 9600-baud line's rate.

#include "tools/timing/time_service.h"

#include <gtest/gtest.h>

#include "sim/navigation_reports.h"
#include "sim/status_reports.h"
#include "tests/support/chrony_samples.h"
#include "tests/support/packets.h"

namespace navbin::tools::timing {
namespace {

using namespace std::chrono;

TEST(ReceiverClockDates, WeeksResolveFromTheBuildWeekAndLeapSecondsEndJuneAndDecember) {
  const struct {
    int reported, buildWeek, week;
  } weeks[] = {{1423, 2446, 2447}, {2450, 2446, 2450}, {399, 2446, 2447},
               {397, 2446, 3469},  {2446, 2446, 2446}, {0, 2048, 2048}};
  for (const auto& w : weeks) EXPECT_EQ(ResolveWeek(w.reported, w.buildWeek), w.week) << w.reported;
  EXPECT_EQ(GpsWeekOf({2026, 12, 9}), 2448);

  const struct {
    sys_days day;
    bool leapDay;
  } days[] = {{2016y / December / 31, true},
              {2015y / June / 30, true},
              {2016y / December / 30, false},
              {2016y / July / 1, false},
              {2017y / March / 31, false}};
  for (const auto& d : days) {
    EXPECT_EQ(LeapSecondDay(SysTime(d.day) + hours(23) + seconds(59)), d.leapDay);
  }
}

class FakePps final : public platform::PpsSource {
 public:
  std::optional<platform::Pulse> latest() override { return pulse; }
  std::optional<platform::Pulse> pulse;
};

// chrony's end of a SOCK reference clock: report samples only.
class SockReader : public support::ChronySamples {
 public:
  using ChronySamples::ChronySamples;
  std::vector<Sample> take() {
    const auto got = ChronySamples::take();
    for (const Sample& s : got) {
      EXPECT_EQ(s.magic, kMagic);
      EXPECT_EQ(s.pulse, 0);
    }
    return got;
  }
};

TEST(TimeServiceSamples, ReportsFromTheirFirstByteAndPulsesPairedWithTheirSecond) {
  const std::string folder = testing::TempDir();
  SockReader reports(folder + "/navbin-time-reports.sock");
  SockReader pulses(folder + "/navbin-time-pulses.sock");
  TimeOptions options;
  options.chronySock = folder + "/navbin-time-reports.sock";
  options.ppsSock = folder + "/navbin-time-pulses.sock";
  options.ppsDevice = "fake";
  options.timeOffsetMs = 20;
  auto pps = std::make_unique<FakePps>();
  FakePps& pulse = *pps;
  std::vector<std::string> notes;
  TimeService service(options, std::move(pps), 2300,
                      [&](const std::string& text) { notes.push_back(text); });
  std::string error;
  ASSERT_TRUE(service.start(error)) << error;

  // GPS second S of a receiver doing fixes with a leap second pending.
  const std::int64_t S = 2396LL * 604800 + 300000;
  sim::SupplementalTiming alarms;
  alarms.minorAlarms = kLeapSecondPendingBit;
  const auto supplemental = support::Frame(sim::SupplementalTimingReport(alarms, {}));
  const double perByte = 11.0 / 9600;
  const SysTime utcOfS = UtcOfGpsTime(2396, 300000, 18);
  // Second S: a pulse at S by the PC's clock, the report read 50 ms later.
  const auto timing = support::Frame(sim::PrimaryTimingReport(S, true));
  const SysTime readAt = utcOfS + milliseconds(50);
  pulse.pulse = platform::Pulse{utcOfS + microseconds(3), 1};
  service.received(supplemental, {readAt - milliseconds(200), perByte});
  service.received(timing, {readAt, perByte});
  // Second S+1 without a new pulse; S+2 with a pulse 1.2 s before its report.
  service.received(support::Frame(sim::PrimaryTimingReport(S + 1, true)),
                   {readAt + seconds(1), perByte});
  pulse.pulse = platform::Pulse{utcOfS + milliseconds(850), 2};
  service.received(support::Frame(sim::PrimaryTimingReport(S + 2, true)),
                   {readAt + seconds(2), perByte});

  const auto got = reports.take();
  ASSERT_EQ(got.size(), 3u);
  const double pc = duration<double>(readAt.time_since_epoch()).count() -
                    static_cast<double>(timing.size()) * perByte;
  EXPECT_NEAR(got[0].pc, pc, 2e-6);  // when the frame's first byte came
  // Receiver time S + 20 ms against the PC's S + 50 ms less the frame's line time.
  EXPECT_NEAR(got[0].offset, 0.020 - (0.050 - timing.size() * perByte), 2e-6);
  EXPECT_EQ(got[0].leap, 0);  // not the last day of June or December
  const auto paired = pulses.take();
  ASSERT_EQ(paired.size(), 1u);
  EXPECT_NEAR(paired[0].offset, -3e-6, 1e-7);
  EXPECT_EQ(service.samples(), 3u);
  EXPECT_NE(service.status().find("3 samples"), std::string::npos) << service.status();
  EXPECT_NE(service.status().find("1 pulses"), std::string::npos) << service.status();
  EXPECT_NE(service.status().find("leap second pending"), std::string::npos);
  EXPECT_TRUE(notes.empty());
}

}  // namespace
}  // namespace navbin::tools::timing

// The time service: weeks past a rollover and leap-second days, then report
// and pulse samples as chrony's SOCK driver receives them (a datagram socket
// bound here), from frames read in chunks at a 9600-baud line's rate, and
// through navbin-log's session from a simulated receiver on a pseudo-terminal.

#include "tools/timing/time_service.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "platform/device_opener.h"
#include "sim/navigation_reports.h"
#include "sim/sim_server.h"
#include "sim/status_reports.h"
#include "tests/support/chrony_samples.h"
#include "tests/support/packets.h"
#include "tools/log_session.h"

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

// With `everySecond`, a pulse on each whole second of the PC's clock; held,
// the device keeps showing its last.
class FakePps final : public platform::PpsSource {
 public:
  std::optional<platform::Pulse> latest() override {
    const auto second = floor<seconds>(system_clock::now());
    if (everySecond && !held) pulse = {second, std::uint64_t(second.time_since_epoch().count())};
    return pulse;
  }
  std::optional<platform::Pulse> pulse;
  bool everySecond = false, held = false;
};

// chrony's end of a SOCK reference clock: samples that carry the full time.
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

// A frame whose first bytes were read at once and its last ones late keeps
// the start its first bytes gave.
TEST(TimeServiceSamples, AFrameWhoseEndIsReadLateKeepsTheStartItsFirstBytesGave) {
  TimeOptions options;
  options.chronySock = testing::TempDir() + "/navbin-time-late.sock";
  SockReader reports(options.chronySock);
  TimeService service(options, nullptr, 2300, [](const std::string&) {});
  std::string error;
  ASSERT_TRUE(service.start(error)) << error;
  const auto frame = support::Frame(sim::GpsTimeReport({2396, 300000}, 18));
  const SysTime at = UtcOfGpsTime(2396, 300000, 18);
  const double perByte = 11.0 / 9600;
  service.received(std::span(frame).first(5), {at, perByte});
  service.received(std::span(frame).subspan(5), {at + milliseconds(40), perByte});
  const auto got = reports.take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_NEAR(got[0].pc, duration<double>(at.time_since_epoch()).count() - 5 * perByte, 2e-6);
}

// A timing receiver on the PC's clock, paced at 9600 baud and served on a
// thread; two-second phases, changing between the reports: pulse and report,
// report alone, pulse alone.
TEST(TimeServiceSamples, ThroughTheSessionPairedPulsesGiveWholeSecondsAndLonePulsesOrReportsNone) {
  sim::SimOptions rx;
  rx.systemClock = true;
  rx.paceBaud = 9600;
  sim::SimServer server;
  std::string error;
  ASSERT_TRUE(server.start(rx, error)) << error;
  std::atomic<bool> silent = false, done = false;
  std::thread line([&] {
    for (; !done; server.serveOnce(50)) {
      if (silent) server.silence();
    }
  });
  const std::string folder = testing::TempDir();
  SockReader reports(folder + "/navbin-session-reports.sock");
  SockReader pulses(folder + "/navbin-session-pulses.sock");
  LogOptions options;
  options.ports = {server.slavePath(0)};
  options.dataRoot = folder + "/";
  options.quiet = true;
  options.time = {reports.path(), {}, double(rx.reportDelayMs), "pulses", pulses.path()};
  auto source = std::make_unique<FakePps>();
  FakePps& pps = *source;
  pps.everySecond = true;
  platform::DeviceOpener devices;
  LogSession session(options, devices, stderr, std::move(source));
  ASSERT_EQ(session.start(), 0);

  const auto now = [] { return duration<double>(system_clock::now().time_since_epoch()).count(); };
  const double begin = std::floor(now()) + 2.5;  // after the receiver's first fix
  const auto phase = [&](double t) {
    return t < begin || t >= begin + 6 ? -1 : int(t - begin) / 2;
  };
  session.run([&] {
    pps.held = phase(now()) == 1;
    silent = phase(now()) == 2;
    return now() >= begin + 6;
  });
  done = true;
  line.join();
  std::vector<SockReader::Sample> reported[3], pulsed[3];
  for (auto [from, into] : {std::pair{&reports, reported}, {&pulses, pulsed}}) {
    for (const auto& s : from->take()) {
      if (phase(s.pc) >= 0) into[phase(s.pc)].push_back(s);
    }
  }

  EXPECT_FALSE(reported[0].empty());
  EXPECT_EQ(pulsed[0].size(), reported[0].size());
  for (const auto& s : reported[0]) EXPECT_NEAR(s.offset, 0, 0.25) << s.pc;  // its own second
  for (const auto& s : pulsed[0]) {
    EXPECT_NEAR(s.pc, std::round(s.pc), 1e-6);
    EXPECT_NEAR(s.offset, 0, 1e-6);
  }
  EXPECT_FALSE(reported[1].empty());
  EXPECT_TRUE(pulsed[1].empty());
  EXPECT_TRUE(reported[2].empty() && pulsed[2].empty());
}

}  // namespace
}  // namespace navbin::tools::timing

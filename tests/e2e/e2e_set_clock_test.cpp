// "Down&load Time To PC" for real: the whole application in-process, with the
// real system clock, against a simulated receiver, in a child process that
// has given up the right to set the clock first. The machine's clock is never
// set: the child checks that the right is gone before the menu entry runs,
// and the parent checks afterwards that the clock did not move.

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <grp.h>
#include <QAction>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/system_clock.h"
#include "sim/gps_time.h"
#include "sim/receiver_profile.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/support/packets.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;
using support::Bytes;

constexpr std::uint64_t kSeed = 5;
constexpr uid_t kNobody = 65534;
constexpr double kGpsEpochUnix = 315964800.0;  // 1980-01-06 00:00:00 UTC

bool HasClockRight() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2] = {};
  if (::syscall(SYS_capget, &header, data) != 0) return true;  // unknown: assume the worst
  return (data[CAP_SYS_TIME / 32].effective & (1u << (CAP_SYS_TIME % 32))) != 0;
}

// As root: become "nobody" (which also clears every capability); otherwise,
// or if that is refused, give up CAP_SYS_TIME alone. True when the right is gone.
bool DropClockRight() {
  if (::geteuid() == 0) {
    (void)::setgroups(0, nullptr);
    (void)::setgid(kNobody);
    (void)::setuid(kNobody);
  }
  if (HasClockRight()) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (::syscall(SYS_capget, &header, data) == 0) {
      const std::uint32_t bit = 1u << (CAP_SYS_TIME % 32);
      data[CAP_SYS_TIME / 32].effective &= ~bit;
      data[CAP_SYS_TIME / 32].permitted &= ~bit;
      data[CAP_SYS_TIME / 32].inheritable &= ~bit;
      (void)::syscall(SYS_capset, &header, data);
    }
  }
  return !HasClockRight();
}

// The wall clock against the boot-time clock: moves only when someone sets
// the wall clock (or by the few milliseconds a time service slews it).
double WallClockOffset() {
  timespec wall{}, boot{};
  ::clock_gettime(CLOCK_REALTIME, &wall);
  ::clock_gettime(CLOCK_BOOTTIME, &boot);
  return static_cast<double>(wall.tv_sec - boot.tv_sec) +
         static_cast<double>(wall.tv_nsec - boot.tv_nsec) * 1e-9;
}

// 0x41 of `week` at second 100000 of the week, UTC offset 14 s.
Bytes GpsTimeReport(int week) {
  return support::Payload().u8(0x41).single(1e5f).u16(week).single(14);
}

// What answers each use of the menu entry, ahead of the simulator's own
// time (which then finds nothing pending).
const Bytes kAnswers[] = {
    support::Payload().u8(0x41).zeros(10),  // a receiver without time yet
    GpsTimeReport(1403),                    // weeks counted modulo 1024: 2006, before the build
    GpsTimeReport(4000),                    // 2056: the real clock refuses without the right
};

// The child: the application with the real clock, and the menu entry once
// per answer. Prints what it saw; the exit status says how far it got.
int SetClockWithoutTheRight() {
  if (!DropClockRight()) {
    std::fprintf(stderr, "could not give up the right to set the clock\n");
    return 3;
  }
  std::fprintf(stderr, "uid %d without the right to set the clock\n", int(::getuid()));
  ReceiverTap tap(kSeed);
  if (!tap.ok()) return 4;
  platform::RealSystemClock clock;
  LiveApp app(tap.slavePath(), clock);
  if (!app.start()) return 5;
  auto& globals = app.core.reports.globals;
  auto& boxes = app.prompter.boxes;
  // The identification has asked for the time once: the monitor knows it.
  if (!app.runUntil(tap, milliseconds(10000), [&] { return globals.gpsTime != 0; })) return 6;

  for (const Bytes& answer : kAnswers) {
    const std::size_t shown = boxes.size();
    app.form->menus->InitializeTimeToPC->trigger();
    tap.inject(answer);
    app.runUntil(tap, milliseconds(5000), [&] { return boxes.size() > shown; });
  }
  app.runUntil(tap, milliseconds(1500), [] { return false; });  // the simulator's answers too

  for (const auto& box : boxes) {
    std::fprintf(stderr, "[box] %s: %s\n", box.caption.c_str(), box.text.c_str());
  }
  std::size_t timeRequests = 0;
  for (const Arrival& a : tap.arrivals) timeRequests += a.name == "21";
  std::fprintf(stderr, "time requests %zu, pending %d\n", timeRequests,
               int(globals.setClockPending));
  return boxes.size() == std::size(kAnswers) && timeRequests > std::size(kAnswers) &&
                 globals.setClockPending == 0
             ? 0
             : 7;
}

[[noreturn]] void RunChild() {
  const int status = SetClockWithoutTheRight();
  std::fflush(stderr);
  std::_Exit(status);  // the child's windows and ports are gone; skip global teardown
}

TEST(E2eSetClock, WithoutTheRightTheBoxesShowAndTheClockStays) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Were the clock set, it would jump to the simulated receiver's time, far
  // from now, so the offset check below would see it.
  const auto profile = sim::ReceiverProfile::FromSeed(kSeed);
  const double simulatedUtc =
      kGpsEpochUnix + static_cast<double>(profile.startGpsMs) / 1000.0 - sim::kGpsUtcOffset;
  ASSERT_GT(std::abs(simulatedUtc - static_cast<double>(std::time(nullptr))), 3600.0);

  const double before = WallClockOffset();
  EXPECT_EXIT(RunChild(), ::testing::ExitedWithCode(0),
              "without the right to set the clock.*"
              "\\[box\\] GPS time is not available yet\\.: Can't set time.*"
              "\\[box\\] Can't set time: The receiver's time \\(Nov 27, 2006\\) is before "
              "this program was built.*"
              "\\[box\\] Time set failure\\.: Can't set time");
  EXPECT_NEAR(WallClockOffset(), before, 1.0);
}

}  // namespace
}  // namespace navbin::e2e

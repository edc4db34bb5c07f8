// navbin-log sharing a simulated receiver on TCP: the monitor, gpsd and a
// client that never reads at once, and the monitor's Cold Reset through the
// shared port, dropped unless navbin-log allows clients' commands.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/system_clock.h"
#include "tests/e2e/e2e_live_app.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/loopback_server.h"
#include "tests/support/packets.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;

const std::string kGpsd = "/usr/sbin/gpsd";
const std::string kGpspipe = "/usr/bin/gpspipe";

class E2eSharedPort : public ::testing::Test {
 protected:
  // navbin-log on the tap's line, serving it on `port`; once it serves.
  bool startLog(const std::string& name, const std::vector<std::string>& more = {}) {
    folder = WorkFolder(name);
    std::vector<std::string> args{"--port",     tap.slavePath(), "--data",
                                  folder + "/", "--serve",       std::to_string(port)};
    args.insert(args.end(), more.begin(), more.end());
    log = std::make_unique<ChildProcess>(std::string(NAVBIN_BINARY_DIR) + "/tools/navbin-log", args,
                                         folder);
    tap.serve(milliseconds(10000), [&] { return logSays("serving COM1"); });
    return logSays("serving COM1");
  }
  bool logSays(const std::string& text) const {
    return log->stderrText().find(text) != std::string::npos;
  }
  // The monitor on the shared port, its live fix shown.
  bool attachMonitor() {
    app = std::make_unique<LiveApp>(url(), clock);
    app->prompter.otherwise = true;  // "Really clear ...?" Yes
    return app->start() && app->runUntil(tap, milliseconds(15000), [&] {
      return !app->text("Panel_LatDeg").empty() && !app->text("Panel_Time").empty();
    });
  }
  std::string url() const { return "tcp://127.0.0.1:" + std::to_string(port); }
  std::size_t arrivalsNamed(const std::string& name, const support::Bytes& bytes) const {
    return static_cast<std::size_t>(
        std::count_if(tap.arrivals.begin(), tap.arrivals.end(),
                      [&](const Arrival& a) { return a.name == name && a.bytes == bytes; }));
  }

  ReceiverTap tap{5};
  platform::RealSystemClock clock;
  std::uint16_t port = support::FreeLoopbackPort();
  std::string folder;
  std::unique_ptr<ChildProcess> log;
  std::unique_ptr<LiveApp> app;
};

TEST_F(E2eSharedPort, MonitorGpsdAndAStalledClientAtOnce) {
  ASSERT_TRUE(std::filesystem::exists(kGpsd)) << "scripts/deps installs Debian's gpsd";
  ASSERT_TRUE(startLog("shared_port_clients"));
  const std::string gpsdPort = std::to_string(support::FreeLoopbackPort());
  ChildProcess gpsd(kGpsd, {"-N", "-n", "-S", gpsdPort, "-F", folder + "/gpsd.sock", url()},
                    folder);
  support::LoopbackClient stalled(port, 4096);
  ASSERT_TRUE(stalled.connected());
  ASSERT_TRUE(attachMonitor());

  // Filler the monitor and gpsd ignore, fast enough to fill the stalled
  // client's backlog within seconds; the others keep reading.
  const support::Bytes filler = [] {
    support::Bytes p(1000, 0x55);
    p[0] = 0x7A;
    return p;
  }();
  const auto end = Clock::now() + milliseconds(40000);
  while (!logSays("cut off") && Clock::now() < end) {
    tap.inject(filler);
    app->runUntil(tap, milliseconds(40), [] { return false; });
  }
  EXPECT_TRUE(logSays("cut off: it stopped reading")) << log->stderrText();
  const std::string timeBefore = app->text("Panel_Time");
  EXPECT_TRUE(app->runUntil(tap, milliseconds(5000),
                            [&] { return app->text("Panel_Time") != timeBefore; }));

  ChildProcess pipe(kGpspipe, {"-w", "-n", "30", "127.0.0.1:" + gpsdPort}, folder);
  app->runUntil(tap, milliseconds(10000), [&] { return !pipe.running(); });
  const std::string json = pipe.stdoutText();
  EXPECT_NE(json.find("\"class\":\"TPV\""), std::string::npos);
  EXPECT_NE(json.find("\"lat\":"), std::string::npos);

  // The monitor's Cold Reset never reaches the receiver.
  app->form->menus->InitializeCold->trigger();
  app->runUntil(tap, milliseconds(2000), [] { return false; });
  EXPECT_EQ(arrivalsNamed("1E", {0x1E, 0x4B}), 0u);
  gpsd.terminate();
}

TEST_F(E2eSharedPort, ClientsCommandsReachTheReceiverWholeWhenAllowed) {
  ASSERT_TRUE(startLog("shared_port_commands", {"--allow-commands"}));
  ASSERT_TRUE(attachMonitor());
  // Another client sends a version request in two pieces around the reset.
  support::LoopbackClient other(port);
  const support::Bytes version = support::Frame({0x1F});
  other.send({version[0]});
  app->runUntil(tap, milliseconds(300), [] { return false; });
  const std::size_t before = tap.arrivals.size();
  app->form->menus->InitializeCold->trigger();
  app->runUntil(tap, milliseconds(300), [] { return false; });
  other.send(support::Bytes(version.begin() + 1, version.end()));
  app->runUntil(tap, milliseconds(3000), [&] { return arrivalsNamed("1E", {0x1E, 0x4B}) > 0; });

  EXPECT_EQ(arrivalsNamed("1E", {0x1E, 0x4B}), 1u);
  // navbin-log's own queries went on beside them, and every command came
  // whole: no arrival with an id of these two carries other bytes.
  app->runUntil(tap, milliseconds(2500), [] { return false; });
  EXPECT_GT(tap.arrivals.size(), before + 3);
  for (const Arrival& a : tap.arrivals) {
    if (a.name == "1E") {
      EXPECT_EQ(a.bytes, (support::Bytes{0x1E, 0x4B}));
    } else if (a.name == "1F") {
      EXPECT_EQ(a.bytes, support::Bytes{0x1F});
    }
  }
}

}  // namespace
}  // namespace navbin::e2e

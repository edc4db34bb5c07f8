// The executable with three receivers: the display port given with -c, two
// more with --port, all opened by --open-all in the multi-port layout. Each
// extra port runs its own identification two ticks behind the display port,
// and gets no auto-queries; all three lamps end up green.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "tests/e2e/e2e_support.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;
using Names = std::vector<std::string>;

Names NamesOf(const ReceiverTap& tap) {
  Names names;
  for (const Arrival& a : tap.arrivals) names.push_back(a.name);
  return names;
}

double FirstArrival(const ReceiverTap& tap, const std::string& name) {
  for (const Arrival& a : tap.arrivals) {
    if (a.name == name) return a.ms;
  }
  return -1;
}

TEST(E2eMultiPort, ExtraPortsIdentifyTheirReceiversTwoTicksLater) {
  const std::string folder = WorkFolder("multi_port");
  ReceiverTap display(11), second(12), third(13);
  ASSERT_TRUE(display.ok() && second.ok() && third.ok());
  // -e: no enumeration, so no serial port of this machine is opened.
  ChildProcess monitor(
      MonitorBinary(),
      {"-e", "-m", "--open-all", "-c" + display.slavePath(), "--port", second.slavePath(), "--port",
       third.slavePath(), "--grab", folder + "/navbin-monitor.png", "--grab-after", "3000"},
      folder, ChildProcess::MonitorEnvironment(folder));
  ReceiverTap::ServeAll({&display, &second, &third}, milliseconds(15000),
                        [&] { return !monitor.running(); });
  ASSERT_EQ(monitor.wait(milliseconds(3000)), 0) << monitor.stderrText();

  const Names identification = {"1F", "62", "35", "8E-15", "21"};
  EXPECT_EQ(NamesOf(second), identification);
  EXPECT_EQ(NamesOf(third), identification);
  const double displayVersion = FirstArrival(display, "1F");
  ASSERT_GE(displayVersion, 0);
  for (const ReceiverTap* tap : {&second, &third}) {
    const double ticksLater = (FirstArrival(*tap, "1F") - displayVersion) / 200.0;
    EXPECT_EQ(std::lround(ticksLater), 2) << ticksLater;
    const double idGap = (FirstArrival(*tap, "62") - FirstArrival(*tap, "1F")) / 200.0;
    EXPECT_EQ(std::lround(idGap), 1) << idGap;
  }

  const auto samples = ReadStateLog(folder + "/state.log");
  ASSERT_FALSE(samples.empty());
  const std::string lamps = samples.back().at("Panel_MonCom");
  ASSERT_EQ(lamps.size(), 16u);
  for (const ReceiverTap* tap : {&display, &second, &third}) {
    const int com = StoredComOf(folder, tap->slavePath());
    ASSERT_GE(com, 1);
    EXPECT_EQ(lamps[static_cast<std::size_t>(com - 1)], 'G') << lamps;
  }
  EXPECT_EQ(std::count(lamps.begin(), lamps.end(), '-'), 13) << lamps;

  const QImage image(QString::fromStdString(folder + "/navbin-monitor.png"));
  EXPECT_FALSE(image.isNull());
}

}  // namespace
}  // namespace navbin::e2e

// A monitored port whose device goes away under the running application (the
// far side of its pseudo-terminal closed): it is closed and its lamp shown
// red, the other receivers go on being decoded and lit, and nothing spins.

#include <sys/resource.h>

#include "tests/e2e/e2e_multi_port_app.h"

namespace navbin::e2e {
namespace {

using std::chrono::milliseconds;

double CpuSecondsOfThisProcess() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class E2eMultiPortVanish : public MultiPortApp {};

TEST_F(E2eMultiPortVanish, LostPortIsShownGoneWhileTheOthersGoOn) {
  addReceiver(1, 61);
  addReceiver(2, 62);
  addReceiver(3, 63);
  ASSERT_TRUE(start(1));
  form->menus->MenuCOM_OpenAll->trigger();
  ASSERT_TRUE(run(milliseconds(6000), [&] { return lamps() == "GGG-------------"; })) << lamps();

  tap(3).hangUp();
  ASSERT_TRUE(run(milliseconds(1000), [&] { return !port(3).isOpen; }));
  EXPECT_TRUE(port(3).deviceLost);
  EXPECT_EQ(lamps(), "GGR-------------");
  EXPECT_EQ(form->portPanel->Panel_MonCom[2]->toolTip(), "COM3: device lost");

  // One second of the running program: the monitor timer, both live
  // receivers and this loop serving them cost well under a fifth of it.
  const float fixBefore = receiver(2).position.timeOfFix;
  const std::size_t queriesBefore = tap(1).arrivals.size();
  const double cpuBefore = CpuSecondsOfThisProcess();
  run(milliseconds(1000));
  const double cpu = CpuSecondsOfThisProcess() - cpuBefore;
  EXPECT_LT(cpu, 0.2) << "CPU seconds in one second";

  // Up to the next repaint of the lamps: the lost one stays red.
  bool left = false;
  run(milliseconds(2500), [&] {
    left = left || core.cycle.phase() != 9;
    return left && core.cycle.phase() == 9;
  });
  EXPECT_EQ(lamps(), "GGR-------------");
  EXPECT_TRUE(port(1).isOpen && port(2).isOpen);
  EXPECT_GT(tap(1).arrivals.size(), queriesBefore);  // auto-queries go on
  EXPECT_GT(receiver(2).position.timeOfFix, fixBefore);
  EXPECT_NE(form->statusRow->Panel_Serial->text().toStdString().find("COM1"), std::string::npos);
  EXPECT_TRUE(prompter.boxes.empty());
}

}  // namespace
}  // namespace navbin::e2e

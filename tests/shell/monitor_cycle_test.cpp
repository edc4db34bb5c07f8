#include "app/core/monitor_cycle.h"

#include <vector>

#include <gtest/gtest.h>

#include "protocol/commands/encoders.h"
#include "tests/shell/shell_fixture.h"

namespace navbin::shell_testing {
namespace {

using reports::Colour;
namespace cmd = commands;

const Bytes kHealth = cmd::BuildRequestReceiverHealth().toVector();
const Bytes kSelection = cmd::BuildRequestSatelliteSelection().toVector();
const Bytes kTracking = cmd::BuildRequestTrackingStatus().toVector();
const Bytes kVersion = cmd::BuildRequestVersion().toVector();
const std::vector<Bytes> kIdentification = {
    cmd::BuildRequestDgpsMode().toVector(), cmd::BuildRequestIoOptions().toVector(),
    cmd::BuildRequestDatum().toVector(), cmd::BuildRequestGpsTime().toVector()};
// 0x42 with X = 1.0: decoded on a monitored port, ignored elsewhere.
const Bytes kXyzPosition = {0x42, 0x3F, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const Bytes kUndecoded = {0x5F, 0x01, 0x02};

class MonitorCycleTest : public ::testing::Test, public ShellFixture {
 protected:
  std::int32_t& age0() { return core.reports.globals.channelAge[0]; }
};

TEST_F(MonitorCycleTest, WithNoPortOpenOnlyThePhaseAdvances) {
  age0() = 10;
  port(3).rxSeen = true;
  core.multiPort.findAllCountdown = 1;
  std::vector<std::int32_t> phases;
  for (int i = 0; i < 12; ++i) {
    tick();
    phases.push_back(core.cycle.phase());
  }
  EXPECT_EQ(phases, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2}));
  EXPECT_EQ(age0(), 10);
  EXPECT_TRUE(port(3).rxSeen);
  EXPECT_FALSE(port(3).rxActive);
  EXPECT_EQ(core.multiPort.findAllCountdown, 1);
  EXPECT_EQ(display.main("Panel_MonCom3").colourWrites, 0);
  EXPECT_TRUE(nothingSentAnywhere());
}

TEST_F(MonitorCycleTest, FirstTickUsesPhaseOneAndTheQueriesAreStaggered) {
  openDisplayPort(1, 0);
  age0() = 10;
  const std::vector<std::vector<Bytes>> expected = {{kSelection}, {kTracking}, {}, {}, {kHealth},
                                                    {kSelection}, {kTracking}, {}, {}, {kHealth}};
  const std::vector<int> ages = {10, 10, 9, 9, 9, 9, 9, 8, 8, 8};
  for (std::size_t t = 0; t < expected.size(); ++t) {
    tick();
    EXPECT_EQ(takeSent(1), expected[t]) << "tick " << t + 1;
    EXPECT_EQ(age0(), ages[t]) << "tick " << t + 1;
  }
}

TEST_F(MonitorCycleTest, AutoQueriesFollowTransmitToAll) {
  openDisplayPort(1, 0);
  openIdentified(4);
  core.multiPort.toggleTransmitToAll();
  tick();
  EXPECT_EQ(takeSent(1), std::vector<Bytes>{kSelection});
  EXPECT_EQ(takeSent(4), std::vector<Bytes>{kSelection});
}

TEST_F(MonitorCycleTest, AutoQueryOffSendsNothingButStillAges) {
  openDisplayPort(1, 0);
  core.shell.autoQuery = false;
  age0() = 10;
  tick(10);
  EXPECT_TRUE(nothingSentAnywhere());
  EXPECT_EQ(age0(), 8);
}

TEST_F(MonitorCycleTest, UnmonitoredPortCountsAsActiveAtTheNextRotation) {
  openDisplayPort(1, 0);
  openIdentified(3, /*monitored=*/false);
  core.shell.autoQuery = false;
  tick(5);
  receive(3, kXyzPosition);
  tick();  // phase 6: the packet is read
  EXPECT_TRUE(port(3).rxSeen);
  EXPECT_FALSE(port(3).rxActive);
  tick(3);  // phase 9
  EXPECT_TRUE(port(3).rxActive);
  EXPECT_FALSE(port(3).rxSeen);
  EXPECT_EQ(core.reports.receivers[2].position.x, 0.0);  // not decoded
  EXPECT_EQ(display.main("Panel_MonCom3").colour, Colour::ButtonFace);
  tick(10);  // a quiet period
  EXPECT_FALSE(port(3).rxActive);
}

TEST_F(MonitorCycleTest, RotationRepaintsThePortLamps) {
  openDisplayPort(1, 0);
  openIdentified(2);
  openIdentified(3);
  core.shell.autoQuery = false;
  receive(2, kXyzPosition);
  tick(9);
  EXPECT_EQ(core.reports.receivers[1].position.x, 1.0);  // monitored: decoded
  EXPECT_EQ(display.main("Panel_MonCom2").colour, Colour::Lime);
  EXPECT_EQ(display.main("Panel_MonCom3").colour, Colour::Yellow);
  EXPECT_EQ(display.main("Panel_MonCom4").colour, Colour::ButtonFace);
}

TEST_F(MonitorCycleTest, TransmitLampTurnsGrayTwoTicksAfterItWasLit) {
  openDisplayPort(1, 0);
  core.shell.autoQuery = false;
  cmd::RequestVersion(core.sender, cmd::DISPLAY_PORT);  // the send paints it
  EXPECT_EQ(display.main("Shape_TxLED").colour, Colour::Lime);
  tick();
  EXPECT_EQ(display.main("Shape_TxLED").colour, Colour::Lime);
  tick();
  EXPECT_EQ(display.main("Shape_TxLED").colour, Colour::Gray);
}

TEST_F(MonitorCycleTest, ReceiveLampLightsForDisplayPortPacketsOnly) {
  openDisplayPort(1, 0);
  openIdentified(2);
  core.shell.autoQuery = false;
  receive(2, kUndecoded);
  tick();
  EXPECT_NE(display.main("Shape_RxLED").colour, Colour::Lime);
  receive(1, kUndecoded);
  tick();
  EXPECT_EQ(display.main("Shape_RxLED").colour, Colour::Lime);
  tick();
  EXPECT_EQ(display.main("Shape_RxLED").colour, Colour::Lime);
  tick();
  EXPECT_EQ(display.main("Shape_RxLED").colour, Colour::Gray);
}

// What each tick sends to the port whose countdown starts at `start`.
std::vector<std::vector<Bytes>> IdentificationTimeline(int start, int ticks) {
  std::vector<std::vector<Bytes>> timeline(static_cast<std::size_t>(ticks));
  const int versionTick = start - 1;  // counts down to 2, then sends at the step from 2
  timeline[static_cast<std::size_t>(versionTick - 1)] = {kVersion};
  timeline[static_cast<std::size_t>(versionTick)] = kIdentification;
  return timeline;
}

TEST_F(MonitorCycleTest, DisplayPortIdentificationTimeline) {
  openDisplayPort(1, 7);
  openIdentified(2);
  core.shell.autoQuery = false;
  core.multiPort.toggleTransmitToAll();  // must not copy the identification
  core.shell.lineSettings[0] = link::LineSettings{9, 3, 0, 1};
  display.setText(reports::Form::Main, "Panel_Serial", "COM1 38400, 8-N-2");
  const auto expected = IdentificationTimeline(7, 10);
  for (int t = 1; t <= 10; ++t) {
    tick();
    EXPECT_EQ(takeSent(1), expected[static_cast<std::size_t>(t - 1)]) << "tick " << t;
    EXPECT_TRUE(takeSent(2).empty()) << "tick " << t;
    if (t == 3) {
      EXPECT_EQ(display.main("Panel_Serial").text, "COM1 38400, 8-N-2");
    }
    if (t == 4) {
      EXPECT_EQ(display.main("Panel_Serial").text, "COM1: 9600: 8-O-1");
      EXPECT_EQ(core.shell.lineSettings[0], (link::LineSettings{7, 3, 1, 0}));
    }
  }
  EXPECT_EQ(port(1).startupState, 0);
}

TEST_F(MonitorCycleTest, PortOpenedByThePanelIsIdentifiedTwoTicksLater) {
  openDisplayPort(1, 0);
  core.shell.autoQuery = false;
  core.multiPort.portPanelClick(5);
  ASSERT_EQ(port(5).startupState, 9);
  core.shell.lineSettings[4] = link::LineSettings{8, 3, 1, 0};
  display.setText(reports::Form::Main, "Panel_Serial", "COM1 9600, 8-O-1");
  const auto expected = IdentificationTimeline(9, 12);
  for (int t = 1; t <= 12; ++t) {
    tick();
    EXPECT_EQ(takeSent(5), expected[static_cast<std::size_t>(t - 1)]) << "tick " << t;
  }
  EXPECT_EQ(core.shell.lineSettings[4], (link::LineSettings{7, 3, 1, 0}));
  EXPECT_EQ(display.main("Panel_Serial").text, "COM1 9600, 8-O-1");  // not the display port
}

TEST_F(MonitorCycleTest, SendBreakBringsThePanelTextBackAtTheFourthTick) {
  openDisplayPort(2, 0);
  core.shell.autoQuery = false;
  core.shell.lineSettings[1] = link::LineSettings{9, 3, 1, 0};
  display.setText(reports::Form::Main, "Panel_Serial", "COM2 38400, 8-O-1");
  core.multiPort.sendBreakToAll();
  tick(3);
  EXPECT_EQ(display.main("Panel_Serial").text, "COM2 38400, 8-O-1");
  tick();
  EXPECT_EQ(display.main("Panel_Serial").text, "COM2: 9600: 8-O-1");
}

TEST_F(MonitorCycleTest, LostDeviceIsReportedOnceAndTheOtherPortsGoOn) {
  openDisplayPort(1, 0);
  openIdentified(2);
  core.shell.autoQuery = false;
  std::vector<int> lost;
  core.cycle.setPortLostHook([&](int index) { lost.push_back(index); });
  line(2).setLost(true);
  receive(1, kUndecoded);
  tick(5);
  EXPECT_EQ(lost, std::vector<int>{1});
  EXPECT_TRUE(port(2).isOpen);  // closing is the hook owner's choice
  EXPECT_TRUE(port(1).rxSeen);
  receive(1, kUndecoded);
  tick(5);  // through phase 9 and its rotation
  EXPECT_TRUE(port(1).rxActive);
  EXPECT_EQ(lost.size(), 1u);

  // Closed and reopened, the port is watched again.
  core.channel.ClosePort(port(2));
  line(2).setLost(false);
  tick();
  openIdentified(2);
  tick();
  line(2).setLost(true);
  tick(3);
  EXPECT_EQ(lost, (std::vector<int>{1, 1}));
}

TEST_F(MonitorCycleTest, HookMayCloseTheLostPortDuringTheTick) {
  openDisplayPort(1, 0);
  openIdentified(2);
  openIdentified(3);
  int calls = 0;
  core.cycle.setPortLostHook([&](int index) {
    ++calls;
    core.channel.ClosePort(core.ports[static_cast<std::size_t>(index)]);
  });
  line(2).setLost(true);
  receive(3, kXyzPosition);
  tick(10);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(port(2).isOpen);
  EXPECT_EQ(core.reports.receivers[2].position.x, 1.0);
}

TEST_F(MonitorCycleTest, LostDisplayPortDoesNotStopTheCycle) {
  openDisplayPort(1, 0);
  int calls = 0;
  core.cycle.setPortLostHook([&](int) { ++calls; });
  line(1).setLost(true);
  age0() = 10;
  tick(10);  // queries to the gone port fail quietly; ageing goes on
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(age0(), 8);
}

TEST_F(MonitorCycleTest, AutoFindClosesThePortsQuietAtTheSecondRotation) {
  openDisplayPort(1, 0);
  core.shell.autoQuery = false;
  core.shell.portList = {1, 2, 3, 4};
  core.shell.portListCount = 4;
  line(4).failOpens(platform::OpenError::Busy);
  core.multiPort.autoFindAllReceivers();
  ASSERT_TRUE(port(2).isOpen && port(3).isOpen && !port(4).isOpen);
  tick(9);  // first phase 9
  EXPECT_EQ(core.multiPort.findAllCountdown, 1);
  tick(5);
  receive(3, kUndecoded);
  tick(4);
  EXPECT_TRUE(port(2).isOpen);
  tick();  // second phase 9
  EXPECT_EQ(core.multiPort.findAllCountdown, 0);
  EXPECT_FALSE(port(2).isOpen);
  EXPECT_TRUE(port(3).isOpen && port(3).monitored);
  EXPECT_EQ(display.main("Panel_MonCom3").colour, Colour::Lime);
  EXPECT_TRUE(port(1).isOpen);  // the quiet display port stays open, unlit
  EXPECT_FALSE(port(1).monitored);
  EXPECT_EQ(display.main("Panel_MonCom1").colour, Colour::ButtonFace);
}

}  // namespace
}  // namespace navbin::shell_testing

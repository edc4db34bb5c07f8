#include "shell/monitor_cycle.h"

#include <gtest/gtest.h>

#include "protocol/presentation/port_control_names.h"
#include "tests/shell/shell_fixture.h"

namespace navbin::shell_testing {
namespace {

const Bytes kHealth = cmd::BuildRequestReceiverHealth().toVector();
const Bytes kSelection = cmd::BuildRequestSatelliteSelection().toVector();
const Bytes kTracking = cmd::BuildRequestTrackingStatus().toVector();
const Bytes kVersion = cmd::BuildRequestVersion().toVector();
// 0x42 with X = 1.0: decoded on a monitored port, ignored elsewhere.
const Bytes kXyzPosition = support::Payload().u8(0x42).single(1.0f).zeros(12);
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
  EXPECT_FALSE(display.wasWritten(reports::Form::Main, "Panel_MonCom3"));
  EXPECT_TRUE(nothingSentAnywhere());
}

TEST_F(MonitorCycleTest, QueriesAreStaggeredFromPhaseOneFollowTxAllAndAutoQueryOnlyStopsThem) {
  openDisplayPort(1, 0);
  openIdentified(4);
  age0() = 10;
  const std::vector<std::vector<Bytes>> expected = {{kSelection}, {kTracking}, {}, {}, {kHealth},
                                                    {kSelection}, {kTracking}, {}, {}, {kHealth}};
  const std::vector<int> ages = {10, 10, 9, 9, 9, 9, 9, 8, 8, 8};
  for (std::size_t t = 0; t < expected.size(); ++t) {
    tick();
    EXPECT_EQ(takeSent(1), expected[t]) << "tick " << t + 1;
    EXPECT_TRUE(takeSent(4).empty()) << "tick " << t + 1;
    EXPECT_EQ(age0(), ages[t]) << "tick " << t + 1;
  }
  core.multiPort.toggleTransmitToAll();
  tick();
  EXPECT_EQ(takeSent(1), std::vector<Bytes>{kSelection});
  EXPECT_EQ(takeSent(4), std::vector<Bytes>{kSelection});
  core.shell.autoQuery = false;
  tick(10);
  EXPECT_TRUE(nothingSentAnywhere());
  EXPECT_EQ(age0(), 6);  // ageing goes on
}

TEST_F(MonitorCycleTest, ActivityRotatesAtPhaseNineAndRepaintsThePortLamps) {
  openDisplayPort(1, 0);
  openIdentified(2);
  openIdentified(3, /*monitored=*/false);
  openIdentified(5);
  core.shell.autoQuery = false;
  receive(2, kXyzPosition);
  tick(5);
  receive(3, kXyzPosition);
  tick();  // phase 6: the packet is read
  EXPECT_TRUE(port(3).rxSeen);
  EXPECT_FALSE(port(3).rxActive);
  tick(3);                        // phase 9
  EXPECT_TRUE(port(3).rxActive);  // a packet nobody decodes still counts
  EXPECT_FALSE(port(3).rxSeen);
  EXPECT_EQ(core.reports.receivers[2].position.x, 0.0);
  EXPECT_EQ(core.reports.receivers[1].position.x, 1.0);  // monitored: decoded
  EXPECT_EQ(lamp(2), Colour::Lime);
  EXPECT_EQ(lamp(3), Colour::ButtonFace);
  EXPECT_EQ(lamp(5), Colour::Yellow);
  tick(10);  // a quiet period
  EXPECT_FALSE(port(3).rxActive);
  EXPECT_EQ(lamp(2), Colour::Yellow);
}

TEST_F(MonitorCycleTest, LampsTurnGrayTwoTicksAfterTheyWereLit) {
  openDisplayPort(1, 0);
  openIdentified(2);
  core.shell.autoQuery = false;
  cmd::RequestVersion(core.sender, cmd::DISPLAY_PORT);  // the send paints it
  EXPECT_EQ(display.main("Shape_TxLED").colour, Colour::Lime);
  tick();
  EXPECT_EQ(display.main("Shape_TxLED").colour, Colour::Lime);
  tick();
  EXPECT_EQ(display.main("Shape_TxLED").colour, Colour::Gray);

  receive(2, kUndecoded);
  tick();
  EXPECT_NE(display.main("Shape_RxLED").colour, Colour::Lime);  // not the display port
  receive(1, kUndecoded);
  tick(2);
  EXPECT_EQ(display.main("Shape_RxLED").colour, Colour::Lime);
  tick();
  EXPECT_EQ(display.main("Shape_RxLED").colour, Colour::Gray);
}

TEST_F(MonitorCycleTest, IdentificationTwoTicksAfterTheVersionQuery) {
  // The display port at start-up (countdown 7) and a port the panel opened (9);
  // the display port's panel text returns to 9600 8-O-1 when identified.
  for (int start : {7, 9}) {
    SCOPED_TRACE(start);
    ShellFixture f;
    f.openDisplayPort(1, 0);
    f.openIdentified(2);
    f.core.shell.autoQuery = false;
    f.core.multiPort.toggleTransmitToAll();  // must not copy the identification
    const int com = start == 7 ? 1 : 5;
    if (start == 7) f.port(1).startupState = 7;
    if (start == 9) f.core.multiPort.portPanelClick(5);
    ASSERT_EQ(f.port(com).startupState, start);
    f.core.shell.lineSettings[com - 1] = link::LineSettings{9, 3, 0, 1};
    f.display.setText(reports::Form::Main, reports::names::Panel_Serial, "COM1 38400, 8-N-2");
    for (int t = 1; t <= start + 3; ++t) {
      f.tick();
      const std::vector<Bytes> expected = t == start - 1 ? std::vector<Bytes>{kVersion}
                                          : t == start   ? kIdentification
                                                         : std::vector<Bytes>{};
      EXPECT_EQ(f.takeSent(com), expected) << "tick " << t;
      for (int other : {1, 2}) EXPECT_TRUE(other == com || f.takeSent(other).empty()) << t;
      const bool identifiedText = com == 1 && t >= start - 3;
      EXPECT_EQ(f.display.main(reports::names::Panel_Serial).text,
                identifiedText ? "COM1: 9600: 8-O-1" : "COM1 38400, 8-N-2")
          << "tick " << t;
    }
    EXPECT_EQ(f.port(com).startupState, 0);
    EXPECT_EQ(f.core.shell.lineSettings[com - 1], (link::LineSettings{7, 3, 1, 0}));
  }
}

TEST_F(MonitorCycleTest, SendBreakBringsThePanelTextBackAtTheFourthTick) {
  openDisplayPort(2, 0);
  core.shell.autoQuery = false;
  core.shell.lineSettings[1] = link::LineSettings{9, 3, 1, 0};
  display.setText(reports::Form::Main, reports::names::Panel_Serial, "COM2 38400, 8-O-1");
  core.multiPort.sendBreakToAll();
  tick(3);
  EXPECT_EQ(display.main(reports::names::Panel_Serial).text, "COM2 38400, 8-O-1");
  tick();
  EXPECT_EQ(display.main(reports::names::Panel_Serial).text, "COM2: 9600: 8-O-1");
}

TEST_F(MonitorCycleTest, LostDeviceIsReportedOnceAndTheOtherPortsGoOn) {
  openDisplayPort(1, 0);
  openIdentified(2);
  openIdentified(3);
  core.shell.autoQuery = false;
  std::vector<int> lost;
  core.cycle.setPortLostHook([&](int index) { lost.push_back(index); });
  line(2).setLost(true);
  receive(1, kUndecoded);
  receive(3, kXyzPosition);
  tick(5);
  EXPECT_EQ(lost, std::vector<int>{1});
  EXPECT_TRUE(port(2).isOpen);  // closing is the hook owner's choice
  EXPECT_TRUE(port(1).rxSeen);
  EXPECT_EQ(core.reports.receivers[2].position.x, 1.0);
  receive(1, kUndecoded);
  tick(5);  // through phase 9 and its rotation
  EXPECT_TRUE(port(1).rxActive);
  EXPECT_EQ(lost.size(), 1u);

  // Closed and reopened, the port is watched again; the hook may close it itself.
  core.channel.ClosePort(port(2));
  line(2).setLost(false);
  tick();
  openIdentified(2);
  core.cycle.setPortLostHook([&](int index) {
    lost.push_back(index);
    core.channel.ClosePort(core.ports[static_cast<std::size_t>(index)]);
  });
  line(2).setLost(true);
  tick(3);
  EXPECT_EQ(lost, (std::vector<int>{1, 1}));
  EXPECT_FALSE(port(2).isOpen);
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
  listPorts({1, 2, 3, 4});
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
  EXPECT_EQ(lamp(3), Colour::Lime);
  EXPECT_TRUE(port(1).isOpen);  // the quiet display port stays open, unlit
  EXPECT_FALSE(port(1).monitored);
  EXPECT_EQ(lamp(1), Colour::ButtonFace);
}

// A box opened by a decoder (here the clock refusal of a 0x41 report) stays
// open across several ticks while reports keep arriving on the same port.
TEST_F(MonitorCycleTest, TicksInsideAnOpenBoxLeaveEveryPacketWholeAndInOrder) {
  openDisplayPort(1, 0);
  core.shell.autoQuery = false;
  core.reports.globals.setClockPending = 1;
  core.reports.globals.rawLogActive = 1;
  std::vector<support::Packet> sent, taken;
  core.dispatcher.setRawPacketWriter([&](int id, const std::uint8_t* p, std::size_t n) {
    taken.push_back({id, {p, p + n}});
  });
  int week = 1403;
  const auto send = [&] {
    for (Bytes packet : {Bytes(support::Payload().u8(0x41).single(1e5f).u16(week++).single(14)),
                         Bytes(support::Payload().u8(0x46).u8(week % 7).u8(0))}) {
      sent.push_back({packet[0], {packet.begin() + 1, packet.end()}});
      receive(1, packet);
    }
  };
  send();
  send();  // the box opens at the first packet, with the rest of the read waiting
  prompter.whileOpen = [&] {
    for (int i = 0; i < 3; ++i) {
      send();
      tick();
    }
  };
  tick();
  prompter.whileOpen = nullptr;
  tick(2);
  EXPECT_EQ(taken, sent);
  ASSERT_EQ(prompter.boxes.size(), 1u);  // the flag was cleared before the box
  EXPECT_EQ(display.main("Panel_Week").text, std::to_string(week - 1));
  EXPECT_EQ(core.reports.globals.setClockPending, 0);
}

// Lost ports come back by themselves once their device is there again: the
// display port with its line settings, a monitored port monitored again; an
// open port that was neither is left closed. A gone device is never opened.
TEST_F(MonitorCycleTest, LostPortsReopenOnceTheirDeviceIsBack) {
  openDisplayPort(1, 0);
  openIdentified(2);
  openIdentified(3, false);
  core.shell.autoQuery = false;
  core.shell.lineSettings[0] = link::LineSettings{9, 3, 0, 0};
  core.cycle.setPortLostHook([&](int i) { core.channel.ClosePort(core.ports[i]); });
  int reopened = 0;
  core.cycle.portReturn().setReopenedHook([&](int) { ++reopened; });
  for (int com : {1, 2, 3}) line(com).setLost(true);
  tick(20);
  EXPECT_EQ(openComs(), std::vector<int>{});
  EXPECT_EQ(line(1).openCount(), 1);

  for (int com : {1, 2, 3}) line(com).setLost(false);
  tick(5);  // looked at once a second
  EXPECT_EQ(openComs(), (std::vector<int>{1, 2}));
  EXPECT_EQ(monitoredComs(), std::vector<int>{2});
  EXPECT_EQ(reopened, 2);
  EXPECT_EQ(line(1).lineParameters().baud, 38400u);
  EXPECT_EQ(display.main(reports::names::Panel_Serial).text, "COM1 38400, 8-N-1");
  takeSent(1);
  tick(3);  // the identification again, at the speed the port had
  auto sent = takeSent(1);
  EXPECT_EQ(sent.front(), kVersion);
  EXPECT_EQ(std::vector<Bytes>(sent.begin() + 1, sent.end()), kIdentification);
  tick(10);
  EXPECT_EQ(openComs(), (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace navbin::shell_testing

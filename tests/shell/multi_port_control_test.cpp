#include "shell/multi_port_control.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_fixture.h"

namespace navbin::shell_testing {
namespace {

using Coms = std::vector<int>;

class MultiPortTest : public ::testing::Test, public ShellFixture {
 protected:
  const support::ControlState& panel(int com) const {
    return display.main("Panel_MonCom" + std::to_string(com));
  }
  const support::ControlState& list() const { return display.main("ComboBox_DisplayCom"); }
};

TEST_F(MultiPortTest, OpenOnePortProbesThenOpensWithCountdownNine) {
  EXPECT_EQ(core.multiPort.openOnePort(6), 0);
  EXPECT_TRUE(port(6).isOpen);
  EXPECT_EQ(port(6).portIndex, 5u);
  EXPECT_EQ(port(6).startupState, 9);
  EXPECT_EQ(line(6).lineParameters().baud, 9600u);
  EXPECT_EQ(core.multiPort.openOnePort(6), -1);  // held by this program
  line(7).failOpens(platform::OpenError::PermissionDenied);
  for (int com : {7, 0, -1, 17}) EXPECT_EQ(core.multiPort.openOnePort(com), -1) << com;
  EXPECT_EQ(openComs(), Coms{6});
}

TEST_F(MultiPortTest, OpenAllOpensTheListedPortsSilentlyAndMonitorsTheDisplayPort) {
  openDisplayPort(3, 0);
  listPorts({1, 3, 4, 5, 6});
  line(5).failOpens(platform::OpenError::Busy);
  line(6).setLost(true);
  core.multiPort.openAllPorts();
  EXPECT_EQ(openComs(), (Coms{1, 3, 4}));
  EXPECT_EQ(monitoredComs(), (Coms{1, 3, 4}));
  EXPECT_EQ(lampsOf(Colour::Yellow), (Coms{1, 3, 4}));
  EXPECT_EQ(port(1).startupState, 9);
  EXPECT_EQ(port(3).startupState, 0);  // not reopened
  EXPECT_EQ(line(3).openCount(), 1);
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MultiPortTest, PanelClicksOpenMonitorAndCloseButOnlyUnlightTheDisplayPort) {
  openDisplayPort(2, 0);
  port(2).monitored = true;
  core.multiPort.portPanelClick(2);
  EXPECT_EQ(openComs(), Coms{2});
  EXPECT_EQ(lampsOf(Colour::ButtonFace).size(), 16u);
  core.multiPort.portPanelClick(2);
  core.multiPort.portPanelClick(8);
  EXPECT_EQ(monitoredComs(), (Coms{2, 8}));
  EXPECT_EQ(lampsOf(Colour::Yellow), (Coms{2, 8}));
  core.multiPort.portPanelClick(8);
  line(9).failOpens(platform::OpenError::NotFound);
  core.multiPort.portPanelClick(9);  // repainted, no message
  core.multiPort.portPanelClick(0);
  core.multiPort.portPanelClick(17);
  EXPECT_EQ(openComs(), Coms{2});
  EXPECT_FALSE(line(8).held());
  EXPECT_EQ(lampsOf(Colour::Yellow), Coms{2});
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MultiPortTest, LampsFollowMonitoredAndActivityAndTxAllItsSwitch) {
  openDisplayPort(1, 0);
  openIdentified(2);
  openIdentified(3);
  port(2).rxActive = true;
  port(1).rxActive = true;  // active but not monitored
  core.multiPort.repaintPortPanels();
  EXPECT_EQ(lampsOf(Colour::Lime), Coms{2});
  EXPECT_EQ(lampsOf(Colour::Yellow), Coms{3});
  EXPECT_EQ(lampsOf(Colour::ButtonFace).size(), 14u);
  core.multiPort.toggleTransmitToAll();
  EXPECT_TRUE(core.shell.transmitToAll);
  EXPECT_EQ(display.main("Shape_TxAll").colour, Colour::Lime);
  core.multiPort.toggleTransmitToAll();
  EXPECT_FALSE(core.shell.transmitToAll);
  EXPECT_EQ(display.main("Shape_TxAll").colour, Colour::Gray);
}

TEST_F(MultiPortTest, SendBreakRestartsIdentificationOfOpenPortsOnly) {
  openDisplayPort(1, 0);
  openIdentified(4);
  core.multiPort.sendBreakToAll();
  EXPECT_EQ(coms([this](int c) { return port(c).startupState == 7; }), (Coms{1, 4}));
  EXPECT_TRUE(nothingSentAnywhere());  // no break, no bytes
}

TEST_F(MultiPortTest, CloseAllAndCloseQuietNeverCloseTheDisplayPort) {
  openDisplayPort(1, 0);
  port(1).monitored = true;
  openIdentified(2);
  openIdentified(3);
  port(3).rxActive = true;
  core.multiPort.closeAllQuietPorts();
  EXPECT_EQ(openComs(), (Coms{1, 3}));  // the quiet display port is unlit, but open
  EXPECT_EQ(monitoredComs(), Coms{3});
  EXPECT_EQ(lampsOf(Colour::Lime), Coms{3});
  port(1).monitored = true;
  openIdentified(5);
  core.multiPort.closeAllPorts();
  EXPECT_EQ(openComs(), Coms{1});
  EXPECT_TRUE(monitoredComs().empty());
  EXPECT_EQ(lampsOf(Colour::ButtonFace).size(), 16u);
}

TEST_F(MultiPortTest, PortListNamesTheListedPortsAndEnablesTheirPanels) {
  core.shell.portListCount = -1;  // without a list the built-in items stay
  core.multiPort.fillPortList();
  EXPECT_TRUE(list().items.empty());
  EXPECT_FALSE(panel(1).enabled);

  core.shell.displayPort = 5;
  listPorts({1, 3, 5});
  core.multiPort.fillPortList();
  EXPECT_EQ(list().items, (std::vector<std::string>{"COM1", "COM3", "COM5"}));
  EXPECT_EQ(list().selected, 2);
  EXPECT_EQ(coms([this](int c) { return panel(c).enabled; }), (Coms{1, 3, 5}));
  EXPECT_EQ(coms([this](int c) { return panel(c).textColour == Colour::InactiveCaption; }).size(),
            13u);
  core.shell.portList = {2, 0, 99, -4};
  core.shell.portListCount = 40;  // a count beyond the table is clamped; bad entries ignored
  core.multiPort.fillPortList();
  EXPECT_EQ(list().items.size(), 16u);
  EXPECT_EQ(coms([this](int c) { return panel(c).enabled; }), Coms{2});

  core.shell.displayPort = 7;
  core.multiPort.enableAllPorts();
  EXPECT_EQ(core.shell.portListCount, 16);
  ASSERT_EQ(list().items.size(), 16u);
  EXPECT_EQ(list().items.front(), "COM1");
  EXPECT_EQ(list().items.back(), "COM16");
  EXPECT_EQ(list().selected, 6);
  EXPECT_EQ(coms([this](int c) { return panel(c).enabled; }).size(), 16u);
}

class DisplaySwitchTest : public MultiPortTest {
 protected:
  void SetUp() override {
    openDisplayPort(1, 0);
    core.multiPort.setBlankDisplayHook([this] { steps.push_back("blank"); });
    core.multiPort.setDisplayPortChangedHook(
        [this] { steps.push_back("title " + std::to_string(core.shell.displayPort)); });
  }
  std::vector<std::string> steps;
};

TEST_F(DisplaySwitchTest, PickingTheDisplayPortItselfOrNoPortDoesNothing) {
  listPorts({1, 2});
  for (int item : {0, -1, 2, 16}) core.multiPort.switchDisplayPort(item);
  EXPECT_EQ(core.shell.displayPort, 1);
  EXPECT_TRUE(steps.empty());
  EXPECT_TRUE(nothingSentAnywhere());
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(DisplaySwitchTest, SwitchOpensTheNewPortAndClosesTheUnmonitoredOld) {
  core.multiPort.switchDisplayPort(1);
  EXPECT_EQ(core.shell.displayPort, 2);
  EXPECT_EQ(openComs(), Coms{2});
  EXPECT_TRUE(monitoredComs().empty());
  EXPECT_EQ(display.main("Panel_Serial").text, "COM2 9600, 8-O-1");
  EXPECT_EQ(steps, (std::vector<std::string>{"blank", "title 2"}));
  EXPECT_EQ(takeSent(2), kIdentification);
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(DisplaySwitchTest, MonitoredOldPortStaysOpenAndQueriesIgnoreTxAll) {
  port(1).monitored = true;
  openIdentified(4);
  core.shell.lineSettings[3] = link::LineSettings{9, 3, 2, 1};
  core.multiPort.toggleTransmitToAll();
  listPorts({1, 4});
  core.multiPort.switchDisplayPort(1);
  EXPECT_EQ(core.shell.displayPort, 4);
  EXPECT_EQ(openComs(), (Coms{1, 4}));
  EXPECT_EQ(monitoredComs(), (Coms{1, 4}));  // the new one keeps the value it had
  EXPECT_EQ(display.main("Panel_Serial").text, "COM4 38400, 8-E-2");
  EXPECT_EQ(takeSent(4), kIdentification);
  EXPECT_TRUE(takeSent(1).empty());
}

TEST_F(DisplaySwitchTest, FailedOpenWarnsAndCompletesWithoutSendingAnywhere) {
  port(1).monitored = true;  // the old port stays open: queries must not reach it
  line(5).failOpens(platform::OpenError::Busy);
  core.multiPort.switchDisplayPort(4);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "Could not initialize COM5.");
  EXPECT_EQ(prompter.boxes[0].caption, "Error");
  EXPECT_FALSE(prompter.boxes[0].question);
  EXPECT_EQ(core.shell.displayPort, 5);
  EXPECT_EQ(openComs(), Coms{1});
  EXPECT_EQ(display.main("Panel_Serial").text, "COM5 9600, 8-O-1");
  EXPECT_EQ(steps, (std::vector<std::string>{"blank", "title 5"}));
  tick(10);  // the cycle goes on with the closed display port; commands to it are dropped
  EXPECT_TRUE(nothingSentAnywhere());
}

TEST_F(DisplaySwitchTest, WithoutAListItemIMeansComIPlusOne) {
  core.shell.portListCount = -1;
  core.multiPort.switchDisplayPort(2);
  EXPECT_EQ(core.shell.displayPort, 3);
  EXPECT_EQ(takeSent(3), kIdentification);
}

}  // namespace
}  // namespace navbin::shell_testing

#include "app/core/multi_port_control.h"

#include <gtest/gtest.h>

#include "tests/shell/shell_fixture.h"

namespace navbin::shell_testing {
namespace {

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
  EXPECT_EQ(core.multiPort.openOnePort(7), -1);
  EXPECT_FALSE(port(7).isOpen);
  for (int com : {0, -1, 17}) EXPECT_EQ(core.multiPort.openOnePort(com), -1);
}

TEST_F(MultiPortTest, OpenAllOpensTheListedPortsSilentlyAndMonitorsTheDisplayPort) {
  openDisplayPort(3, 0);
  listPorts({1, 3, 4, 5, 6});
  line(5).failOpens(platform::OpenError::Busy);
  line(6).setLost(true);
  core.multiPort.openAllPorts();
  EXPECT_TRUE(port(1).isOpen && port(1).monitored);
  EXPECT_TRUE(port(4).isOpen && port(4).monitored);
  EXPECT_EQ(port(1).startupState, 9);
  EXPECT_TRUE(port(3).isOpen && port(3).monitored);
  EXPECT_EQ(port(3).startupState, 0);  // not reopened
  EXPECT_EQ(line(3).openCount(), 1);
  EXPECT_FALSE(port(2).isOpen || port(5).isOpen || port(6).isOpen);
  for (int com : {1, 3, 4}) EXPECT_EQ(lamp(com), Colour::Yellow) << com;
  EXPECT_EQ(lamp(2), Colour::ButtonFace);
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MultiPortTest, PanelClicksOpenMonitorAndCloseButOnlyUnlightTheDisplayPort) {
  openDisplayPort(2, 0);
  port(2).monitored = true;
  core.multiPort.portPanelClick(2);
  EXPECT_TRUE(port(2).isOpen);
  EXPECT_FALSE(port(2).monitored);
  EXPECT_EQ(lamp(2), Colour::ButtonFace);
  core.multiPort.portPanelClick(2);
  EXPECT_TRUE(port(2).monitored);
  EXPECT_EQ(lamp(2), Colour::Yellow);

  core.multiPort.portPanelClick(8);
  EXPECT_TRUE(port(8).isOpen && port(8).monitored);
  EXPECT_EQ(lamp(8), Colour::Yellow);
  core.multiPort.portPanelClick(8);
  EXPECT_FALSE(port(8).isOpen || line(8).held());
  EXPECT_EQ(lamp(8), Colour::ButtonFace);
  line(9).failOpens(platform::OpenError::NotFound);
  core.multiPort.portPanelClick(9);
  EXPECT_FALSE(port(9).isOpen || port(9).monitored);
  EXPECT_EQ(lamp(9), Colour::ButtonFace);  // repainted, no message
  EXPECT_TRUE(prompter.boxes.empty());
  core.multiPort.portPanelClick(0);
  core.multiPort.portPanelClick(17);
}

TEST_F(MultiPortTest, LampsFollowMonitoredAndActivityAndTxAllItsSwitch) {
  openDisplayPort(1, 0);
  openIdentified(2);
  openIdentified(3);
  port(2).rxActive = true;
  port(1).rxActive = true;  // active but not monitored
  core.multiPort.repaintPortPanels();
  EXPECT_EQ(lamp(1), Colour::ButtonFace);
  EXPECT_EQ(lamp(2), Colour::Lime);
  EXPECT_EQ(lamp(3), Colour::Yellow);
  EXPECT_EQ(lamp(16), Colour::ButtonFace);
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
  EXPECT_EQ(port(1).startupState, 7);
  EXPECT_EQ(port(4).startupState, 7);
  EXPECT_EQ(port(5).startupState, 0);
  EXPECT_TRUE(nothingSentAnywhere());  // no break, no bytes
}

TEST_F(MultiPortTest, CloseAllAndCloseQuietNeverCloseTheDisplayPort) {
  openDisplayPort(1, 0);
  port(1).monitored = true;
  openIdentified(2);
  openIdentified(3);
  port(3).rxActive = true;
  core.multiPort.closeAllQuietPorts();
  EXPECT_TRUE(port(1).isOpen);  // quiet: unlit, but open
  EXPECT_FALSE(port(1).monitored);
  EXPECT_FALSE(port(2).isOpen);
  EXPECT_TRUE(port(3).isOpen && port(3).monitored);
  EXPECT_EQ(lamp(3), Colour::Lime);

  port(1).monitored = true;
  openIdentified(5);
  core.multiPort.closeAllPorts();
  EXPECT_TRUE(port(1).isOpen);
  EXPECT_FALSE(port(1).monitored || port(3).isOpen || port(5).isOpen);
  for (int com : {1, 3, 5}) EXPECT_EQ(lamp(com), Colour::ButtonFace);
}

TEST_F(MultiPortTest, PortListNamesTheListedPortsAndEnablesTheirPanels) {
  core.shell.displayPort = 5;
  listPorts({1, 3, 5});
  core.multiPort.fillPortList();
  EXPECT_EQ(list().items, (std::vector<std::string>{"COM1", "COM3", "COM5"}));
  EXPECT_EQ(list().selected, 2);
  for (int com = 1; com <= 16; ++com) {
    const bool listed = com == 1 || com == 3 || com == 5;
    EXPECT_EQ(panel(com).enabled, listed) << com;
    EXPECT_EQ(panel(com).textColour, listed ? Colour::WindowText : Colour::InactiveCaption) << com;
  }
  core.shell.portList = {2, 0, 99, -4};
  core.shell.portListCount = 40;  // a count beyond the table is clamped; bad entries ignored
  core.multiPort.fillPortList();
  EXPECT_EQ(list().items.size(), 16u);
  EXPECT_TRUE(panel(2).enabled);
  EXPECT_FALSE(panel(1).enabled);

  core.shell.displayPort = 7;
  core.multiPort.enableAllPorts();
  EXPECT_EQ(core.shell.portListCount, 16);
  ASSERT_EQ(list().items.size(), 16u);
  EXPECT_EQ(list().items.front(), "COM1");
  EXPECT_EQ(list().items.back(), "COM16");
  EXPECT_EQ(list().selected, 6);
  EXPECT_TRUE(panel(16).enabled);
}

TEST_F(MultiPortTest, WithoutAListThePortListKeepsTheBuiltInItems) {
  core.shell.portListCount = -1;
  core.multiPort.fillPortList();
  EXPECT_TRUE(list().items.empty());
  EXPECT_FALSE(panel(1).enabled);
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
  EXPECT_TRUE(port(2).isOpen);
  EXPECT_FALSE(port(2).monitored);
  EXPECT_FALSE(port(1).isOpen);
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
  EXPECT_TRUE(port(1).isOpen && port(1).monitored);
  EXPECT_TRUE(port(4).monitored);  // keeps the value it had
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
  EXPECT_FALSE(port(5).isOpen);
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

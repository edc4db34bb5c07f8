#pragma once
// Opening, monitoring and closing the other ports, the display-port switch and
// the receiver search.

#include <cstdint>
#include <functional>
#include <utility>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "protocol/commands/packet_sender.h"
#include "protocol/presentation/display.h"
#include "protocol/presentation/prompter.h"

namespace navbin::shell {

class MultiPortControl {
 public:
  MultiPortControl(link::SerialChannel& channel, link::PortTable& ports, link::PortSelection& shell,
                   commands::PacketSender& sender, reports::Display& display,
                   reports::Prompter& prompter);

  // Probe, then open COM `com` at 9600 8-O-1 with startupState 9.
  // The result of OpenPort, or -1 when the probe failed.
  int openOnePort(int com);

  // Refills ComboBox_DisplayCom from portList and enables the listed port panels.
  void fillPortList();
  // Sets each of the 16 port panel colours from monitored / rxActive.
  void repaintPortPanels();

  void portPanelClick(int com);  // left click on Panel_MonCom<com>
  void toggleTransmitToAll();    // Button_TxAll
  void openAllPorts();           // "&Open All Ports"
  void autoFindAllReceivers();   // "&Auto Find All Receivers": open all, countdown 2
  void sendBreakToAll();         // "Send &Break to All"
  void closeAllPorts();          // "&Close All Ports"
  void closeAllQuietPorts();     // "Close All &Quiet Ports"
  void enableAllPorts();         // "&Enable All Ports"

  // The user picked item `item` of ComboBox_DisplayCom.
  void switchDisplayPort(int item);

  // Blanks the display as "&Auto Query" does; set by the main window.
  void setBlankDisplayHook(std::function<void()> hook) { blankDisplay_ = std::move(hook); }
  // Called after displayPort changed (title, etc.); set by the main window.
  void setDisplayPortChangedHook(std::function<void()> hook) {
    displayPortChanged_ = std::move(hook);
  }

  // Find-all countdown of the monitor cycle; set to 2 by autoFindAllReceivers.
  int findAllCountdown = 0;

 private:
  link::SerialChannel& channel_;
  link::PortTable& ports_;
  link::PortSelection& shell_;
  commands::PacketSender& sender_;
  reports::Display& display_;
  reports::Prompter& prompter_;
  std::function<void()> blankDisplay_;
  std::function<void()> displayPortChanged_;

  // Clears monitored on every open port (only the quiet ones when
  // `quietOnly`) and closes each unless it is the display port; repaints.
  void closeWhere(bool quietOnly);
};

}  // namespace navbin::shell

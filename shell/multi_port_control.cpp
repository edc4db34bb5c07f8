#include "shell/multi_port_control.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/commands/line_codes.h"
#include "protocol/commands/query_commands.h"
#include "protocol/presentation/port_control_names.h"

namespace navbin::shell {
namespace {

using reports::Colour;
using reports::Form;

constexpr const auto& kPanelNames = reports::rows::Panel_MonCom;
static_assert(kPanelNames.size() == link::kPortCount);

bool IsCom(int com) {
  return com >= 1 && com <= link::kPortCount;
}

// Entries of portList in use: none while no list is known, never more than 16.
int ListedCount(const link::PortSelection& shell) {
  if (shell.portListCount < 0) return 0;
  return shell.portListCount > link::kPortCount ? link::kPortCount : shell.portListCount;
}

}  // namespace

MultiPortControl::MultiPortControl(link::SerialChannel& channel, link::PortTable& ports,
                                   link::PortSelection& shell, commands::PacketSender& sender,
                                   reports::Display& display, reports::Prompter& prompter)
    : channel_(channel),
      ports_(ports),
      shell_(shell),
      sender_(sender),
      display_(display),
      prompter_(prompter) {}

int MultiPortControl::openOnePort(int com) {
  if (!IsCom(com)) return -1;
  const auto index = static_cast<std::uint32_t>(com - 1);
  link::PortContext& port = ports_[index];
  // A port this program holds fails the exclusive probe; say so without trying.
  if (port.isOpen || !channel_.ProbePort(index)) return -1;
  const int result = channel_.OpenPort(port, channel_.DeviceName(com), index);
  if (result == 0) port.startupState = 9;
  return result;
}

void MultiPortControl::fillPortList() {
  const int count = ListedCount(shell_);
  if (shell_.portListCount != -1) {
    std::vector<std::string> items;
    int selected = -1;
    for (int i = 0; i < count; ++i) {
      items.push_back("COM" + std::to_string(shell_.portList[i]));
      if (shell_.portList[i] == shell_.displayPort) selected = i;
    }
    display_.setItems(Form::Main, reports::names::ComboBox_DisplayCom, items);
    display_.setSelectedIndex(Form::Main, reports::names::ComboBox_DisplayCom, selected);
  }
  std::array<bool, link::kPortCount> listed{};
  for (int i = 0; i < count; ++i) {
    if (IsCom(shell_.portList[i])) listed[shell_.portList[i] - 1] = true;
  }
  for (std::size_t i = 0; i < kPanelNames.size(); ++i) {
    display_.setEnabled(Form::Main, kPanelNames[i], listed[i]);
    display_.setTextColour(Form::Main, kPanelNames[i],
                           listed[i] ? Colour::WindowText : Colour::InactiveCaption);
  }
}

void MultiPortControl::repaintPortPanels() {
  for (std::size_t i = 0; i < kPanelNames.size(); ++i) {
    const link::PortContext& port = ports_[i];
    const Colour colour = !port.monitored ? Colour::ButtonFace
                          : port.rxActive ? Colour::Lime
                                          : Colour::Yellow;
    display_.setColour(Form::Main, kPanelNames[i], colour);
  }
}

void MultiPortControl::portPanelClick(int com) {
  if (!IsCom(com)) return;
  const auto index = static_cast<std::uint32_t>(com - 1);
  link::PortContext& port = ports_[index];
  if (port.isOpen) {
    port.monitored = !port.monitored;
    if (!port.monitored && !shell_.isDisplayPort(index)) channel_.ClosePort(port);
  } else if (openOnePort(com) == 0) {
    port.monitored = true;
  }
  repaintPortPanels();
}

void MultiPortControl::toggleTransmitToAll() {
  shell_.transmitToAll = !shell_.transmitToAll;
  display_.setColour(Form::Main, reports::names::Shape_TxAll,
                     shell_.transmitToAll ? Colour::Lime : Colour::Gray);
}

void MultiPortControl::openAllPorts() {
  const int count = ListedCount(shell_);
  for (int i = 0; i < count; ++i) openOnePort(shell_.portList[i]);  // failures are skipped
  for (int i = 0; i < count; ++i) {
    const int com = shell_.portList[i];
    if (IsCom(com) && ports_[com - 1].isOpen) ports_[com - 1].monitored = true;
  }
  repaintPortPanels();
}

void MultiPortControl::autoFindAllReceivers() {
  openAllPorts();
  findAllCountdown = 2;
}

void MultiPortControl::sendBreakToAll() {
  // No break goes on any line: the ports only repeat their identification.
  for (link::PortContext& port : ports_) {
    if (port.isOpen) port.startupState = 7;
  }
}

void MultiPortControl::closeAllPorts() {
  closeWhere(false);
}

void MultiPortControl::closeAllQuietPorts() {
  closeWhere(true);
}

void MultiPortControl::closeWhere(bool quietOnly) {
  for (std::uint32_t i = 0; i < ports_.size(); ++i) {
    link::PortContext& port = ports_[i];
    if (!port.isOpen || (quietOnly && port.rxActive)) continue;
    port.monitored = false;
    if (!shell_.isDisplayPort(i)) channel_.ClosePort(port);  // the display port stays open
  }
  repaintPortPanels();
}

void MultiPortControl::enableAllPorts() {
  for (int i = 0; i < link::kPortCount; ++i) shell_.portList[i] = i + 1;
  shell_.portListCount = link::kPortCount;
  fillPortList();
}

void MultiPortControl::switchDisplayPort(int item) {
  int newCom = 0;
  if (shell_.portListCount == -1) {
    newCom = item + 1;  // no list: item i is COM i+1
  } else if (item >= 0 && item < ListedCount(shell_)) {
    newCom = shell_.portList[item];
  }
  if (!IsCom(newCom) || newCom == shell_.displayPort) return;
  const auto newIndex = static_cast<std::uint32_t>(newCom - 1);

  if (!ports_[newIndex].isOpen && openOnePort(newCom) != 0) {
    prompter_.message("Could not initialize COM" + std::to_string(newCom) + ".", "Error");
  }
  if (blankDisplay_) blankDisplay_();
  if (IsCom(shell_.displayPort)) {
    link::PortContext& old = ports_[shell_.displayPort - 1];
    if (old.isOpen && !old.monitored) channel_.ClosePort(old);
  }
  shell_.displayPort = newCom;
  display_.setText(Form::Main, reports::names::Panel_Serial,
                   commands::SerialSettingsText(newCom, shell_.lineSettings[newIndex]));
  if (displayPortChanged_) displayPortChanged_();
  // Addressed to the port itself, never through DISPLAY_PORT, so Tx All does
  // not copy them. The table index is used rather than the record's portIndex,
  // which is stale for a port that was never opened: a port whose open failed
  // is closed, and the send path drops the queries.
  commands::RequestIdentification(sender_, static_cast<int>(newIndex));
}

}  // namespace navbin::shell

// The main window's part in port supervision: the open failure, the title,
// the core's hooks, and showing ports whose device went away.

#include <QGuiApplication>
#include <string>

#include "app/main_form.h"

namespace navbin::app {

namespace {

using reports::Colour;

bool IsCom(int com) {
  return com >= 1 && com <= link::kPortCount;
}

QString LostText(int com) {
  return QStringLiteral("COM%1: device lost").arg(com);
}

}  // namespace

void TForm_Main::reportOpenFailure() {
  const int com = core_.shell.displayPort;
  std::string text = "Could not initialize COM" + std::to_string(com) + ".";
  if (IsCom(com) && core_.channel.lastOpenError() == platform::OpenError::PermissionDenied) {
    // The usual cause on Linux: the user is not in the group that owns serial devices.
    text += "\nNo permission to open " + core_.channel.DeviceName(com) +
            ": add your user to the dialout group (sudo usermod -aG dialout $USER) and log in "
            "again.";
  }
  prompter_.message(text, "Serial Port Error");
}

void TForm_Main::showDisplayPortTitle() {
  QGuiApplication::setApplicationDisplayName(
      QStringLiteral("%1 M2_Monitor").arg(core_.shell.displayPort));
}

void TForm_Main::installCoreHooks() {
  core_.sender.setTransmitLampHook([this] { statusRow->Shape_TxLED->setFill(Colour::Lime); });
  core_.sender.setPause(shell::kCommandPause);
  core_.multiPort.setBlankDisplayHook([this] { blankDisplay(); });
  core_.multiPort.setDisplayPortChangedHook([this] {
    showDisplayPortTitle();
    refreshLostMarks();
  });
  core_.cycle.setPortLostHook([this](int portIndex) { portLost(portIndex); });
  core_.cycle.portReturn().setReopenedHook([this](int) {
    core_.multiPort.repaintPortPanels();
    refreshLostMarks();
  });
}

// A device that went away (unplugged adapter, closed pseudo-terminal) is
// closed at once; the core reopens it once its path exists again, and a click
// on its port panel (or a display-port switch) opens it afresh too. Until then
// the display port's serial panel, or the other port's lamp, shows it red.
void TForm_Main::portLost(int portIndex) {
  if (portIndex < 0 || portIndex >= link::kPortCount) return;
  const bool isDisplay = core_.shell.isDisplayPort(static_cast<std::uint32_t>(portIndex));
  core_.closeLostPort(portIndex);
  if (isDisplay) {
    statusRow->Panel_Serial->setText(LostText(portIndex + 1));
    statusRow->Panel_Serial->setFill(Colour::Red);
    displayLostMarked_ = true;
  }
  core_.multiPort.repaintPortPanels();
  refreshLostMarks();
}

// Lamps of lost ports stay red across the periodic repaint, until the port is
// open again.
void TForm_Main::refreshLostMarks() {
  for (int i = 0; i < link::kPortCount; ++i) {
    const link::PortContext& port = core_.ports[static_cast<std::size_t>(i)];
    const bool lost = port.deviceLost && !port.isOpen;
    ui::Panel* panel = portPanel->Panel_MonCom[static_cast<std::size_t>(i)];
    if (lost) {
      panel->setFill(Colour::Red);
      if (!lostMarked_[i]) {
        panel->setToolTip(LostText(i + 1));
        panel->setStatusTip(LostText(i + 1));
      }
    } else if (lostMarked_[i]) {
      panel->setToolTip(ui::kPortPanelHint);
      panel->setStatusTip(ui::kPortPanelHint);
    }
    lostMarked_[i] = lost;
  }
  if (displayLostMarked_) {
    const int index = core_.shell.displayIndex();
    const bool stillLost = index >= 0 && index < link::kPortCount &&
                           !core_.ports[static_cast<std::size_t>(index)].isOpen &&
                           core_.ports[static_cast<std::size_t>(index)].deviceLost;
    if (!stillLost) {
      statusRow->Panel_Serial->setFill(Colour::ButtonFace);
      displayLostMarked_ = false;
    }
  }
}

}  // namespace navbin::app

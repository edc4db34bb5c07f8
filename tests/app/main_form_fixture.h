#pragma once
// The main window over the Qt-free core and in-memory ports COM1..COM16,
// with a prompter that answers from a script and records every box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "link/framing.h"
#include "platform/memory_serial_device.h"
#include "shell/monitor_core.h"
#include "tests/support/fakes.h"
#include "ui/widgets/widget_display.h"

namespace navbin::main_form_testing {

using Bytes = std::vector<std::uint8_t>;

using support::Box;

class FixedClock final : public platform::SystemClock {
 public:
  platform::CalendarTime nowUtc() const override { return {}; }
  bool setUtc(const platform::CalendarTime&) override { return false; }
};

inline std::string MemoryPath(int com) {
  return "/dev/ttyMEM" + std::to_string(com);
}

class MainFormTest : public ::testing::Test {
 protected:
  static constexpr int kDisplayCom = 3;

  MainFormTest() {
    for (int com = 1; com <= link::kPortCount; ++com) {
      core.portMap.assign(com, MemoryPath(com));
      backend.addDevice(MemoryPath(com));
    }
    core.shell.displayPort = kDisplayCom;
    core.shell.portListCount = -1;
    form = std::make_unique<app::TForm_Main>(core, display, prompter);
  }

  // FormCreate with the timer held and no pauses, so that tests tick by hand.
  void create() {
    ASSERT_TRUE(form->FormCreate());
    form->Timer_NavBin->stop();
    core.sender.setPause(std::chrono::microseconds(0));
    form->setSerialApplySleep({});
  }

  platform::MemoryLine& line(int com) { return *backend.line(MemoryPath(com)); }
  link::PortContext& port(int com) { return core.ports[static_cast<std::size_t>(com - 1)]; }
  void tick(int count = 1) {
    for (int i = 0; i < count; ++i) form->NavBinTimer();
  }

  // The receiver on COM `com` sends `packet` (id first).
  void receive(int com, const Bytes& packet) {
    Bytes frame(link::FrameLength(packet));
    frame.resize(link::BuildFrame(packet, frame));
    line(com).push(frame);
  }

  // Packets (id first) written to COM `com` since the last call; clears them.
  std::vector<Bytes> takeSent(int com = kDisplayCom) {
    std::vector<Bytes> packets;
    link::Deframer deframer;
    for (const Bytes& frame : line(com).frames()) {
      for (std::uint8_t b : frame) {
        if (deframer.feed(b) != 1) continue;
        Bytes packet{static_cast<std::uint8_t>(deframer.packetId)};
        const auto payload = deframer.payload();
        packet.insert(packet.end(), payload.begin(), payload.end());
        packets.push_back(packet);
      }
    }
    line(com).clearWritten();
    return packets;
  }

  // A key press as the user types it, shortcuts included.
  static void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &up);
  }

  static void click(QWidget* target) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const QPointF global = target->mapToGlobal(at);
    QMouseEvent down(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(target, &up);
  }

  // Shows the window and makes it the active one, for shortcuts.
  void showActive() {
    form->show();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
  }

  platform::MemorySerialBackend backend;
  ui::WidgetDisplay display;
  support::ScriptedPrompter prompter;
  FixedClock clock;
  shell::MonitorCore core{backend, display, prompter, clock};
  std::unique_ptr<app::TForm_Main> form;
};

}  // namespace navbin::main_form_testing

#pragma once
// The whole application in-process with several ports, as navbin-monitor
// starts it with -m -c<COM> and one --port per device: the core over the real
// serial devices, the main window and every other window (offscreen), ticked
// by the main window's own 200 ms timer while ReceiverTaps serve the lines in
// the same thread. A tap that is never served is a silent line; a path with no
// device behind it is a port that cannot be opened. Every frame the monitor
// writes is logged in order across all ports.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "platform/posix_serial_device.h"
#include "shell/monitor_core.h"
#include "shell/startup.h"
#include "tests/app/main_form_fixture.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/fake_device.h"
#include "ui/widgets/widget_display.h"

namespace navbin::e2e {

// One frame as the monitor handed it to a device: the device and the packet
// name ("25", "8E-15").
struct WrittenFrame {
  std::string path;
  std::string name;
};

class MultiPortApp : public ::testing::Test {
 protected:
  ~MultiPortApp() override;

  // A simulated receiver behind COM `com`, served by run().
  ReceiverTap& addReceiver(int com, std::uint64_t seed);
  // A pseudo-terminal behind COM `com` that nobody answers.
  void addSilent(int com);
  // A device path behind COM `com` that does not exist.
  void addMissing(int com);

  // Start-up with every added port listed and `displayCom` as display port,
  // in the multi-port layout; the window is shown. False when the display
  // port cannot be opened.
  bool start(int displayCom);

  // Runs the event loop (the monitor timer included) and serves every
  // receiver until `until` holds or `limit` has passed; whether `until` held.
  bool run(std::chrono::milliseconds limit, const std::function<bool()>& until = {});

  // The 16 port lamps as the state log writes them: '-' unlit, 'Y' monitored,
  // 'G' monitored and receiving, 'R' lost.
  std::string lamps() const;
  // Packet names written to COM `com` so far, in order.
  std::vector<std::string> writtenTo(int com) const;
  // COM numbers of the frames named `name`, in the order written.
  std::vector<int> comsWritten(const std::string& name) const;

  link::PortContext& port(int com) { return core.ports[static_cast<std::size_t>(com - 1)]; }
  reports::ReceiverState& receiver(int com) {
    return core.reports.receivers[static_cast<std::size_t>(com - 1)];
  }
  ReceiverTap& tap(int com) { return *taps_.at(com); }
  // Logs the packets of `frame` as written to `path`.
  void logWrite(const std::string& path, std::span<const std::uint8_t> frame);

  // The POSIX devices, with every write logged.
  platform::PosixSerialBackend posix;
  std::vector<WrittenFrame> written;
  support::FakeBackend backend{
      &posix, [this](const std::string& path, std::span<const std::uint8_t> frame) {
        logWrite(path, frame);
      }};
  ui::WidgetDisplay display;
  support::ScriptedPrompter prompter;
  main_form_testing::FixedClock clock;
  shell::MonitorCore core{backend, display, prompter, clock};
  std::unique_ptr<app::TForm_Main> form;

 private:
  std::map<int, std::string> paths_;
  std::map<int, std::unique_ptr<ReceiverTap>> taps_;
  std::vector<ReceiverTap*> served_;
};

}  // namespace navbin::e2e

#pragma once
// The whole application in-process, as navbin-monitor starts it with
// -c<device>: the core over the real serial devices or network ports, the
// main window and every other window (offscreen), ticked by the main window's
// own 200 ms timer while a ReceiverTap serves the line in the same thread.
// Boxes go to a scripted prompter; the clock is the caller's.

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "platform/device_opener.h"
#include "shell/monitor_core.h"
#include "shell/startup.h"
#include "tests/app/main_form_fixture.h"
#include "tests/e2e/e2e_support.h"
#include "ui/widgets/widget_display.h"

class QWidget;

namespace navbin::e2e {

class LiveApp {
 public:
  LiveApp(const std::string& device, platform::SystemClock& clock);
  ~LiveApp();
  LiveApp(const LiveApp&) = delete;
  LiveApp& operator=(const LiveApp&) = delete;

  // Opens the display port, starts the monitor timer and creates the other
  // windows hidden, as start-up does; false when the port cannot be opened.
  bool start();

  // Runs the event loop and serves `tap` until `until` holds or `limit` has
  // passed; whether `until` held.
  bool runUntil(ReceiverTap& tap, std::chrono::milliseconds limit,
                const std::function<bool()>& until);

  // Text of a control of the main window, or of another window.
  std::string text(const char* control, reports::Form form = reports::Form::Main) const;
  QWidget* window(reports::Form form) const { return display.form(form); }

  // Saves a picture of `window` as PNG; false when it cannot be written.
  static bool SavePicture(QWidget* window, const std::string& file);

  platform::DeviceOpener backend;  // device paths and network ports
  ui::WidgetDisplay display;
  support::ScriptedPrompter prompter;
  shell::StartupPlan plan;
  shell::MonitorCore core;
  std::unique_ptr<app::TForm_Main> form;
};

}  // namespace navbin::e2e

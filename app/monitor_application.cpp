#include "app/monitor_application.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <optional>

#include "app/comm_form.h"
#include "app/main_form.h"
#include "app/message_echo.h"
#include "app/quit_on_signal.h"
#include "app/settings_store.h"
#include "app/state_log.h"
#include "app/window_wiring.h"
#include "platform/device_opener.h"
#include "platform/serial_enumeration.h"
#include "platform/system_clock.h"
#include "shell/monitor_core.h"
#include "shell/startup.h"
#include "ui/forms/all_forms.h"
#include "ui/widgets/qt_prompter.h"
#include "ui/widgets/widget_display.h"

namespace navbin::app {

namespace {

constexpr const char* kVersionText = "navbin-monitor " NAVBIN_VERSION "\n";

std::vector<std::string> Arguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

// --help, --version and unusable options are answered without a window.
std::optional<int> AnswerWithoutWindow(const shell::CommandLine& cl) {
  if (cl.help) {
    std::fputs(shell::UsageText().c_str(), stdout);
    return 0;
  }
  if (cl.version) {
    std::fputs(kVersionText, stdout);
    return 0;
  }
  if (!cl.errors.empty()) {
    for (const auto& e : cl.errors) std::fprintf(stderr, "navbin-monitor: %s\n", e.c_str());
    std::fputs("Try 'navbin-monitor --help'.\n", stderr);
    return 2;
  }
  return std::nullopt;
}

// Saves a picture of `window` after `ms` and ends the event loop.
void ScheduleGrab(QWidget& window, const std::string& file, int ms) {
  QTimer::singleShot(ms, &window, [&window, file] {
    const bool saved = window.grab().save(QString::fromStdString(file), "PNG");
    if (!saved) std::fprintf(stderr, "navbin-monitor: could not write %s\n", file.c_str());
    QApplication::exit(saved ? 0 : 3);
  });
}

// For soak runs: with NAVBIN_PACKET_COUNTS=stderr, the packets taken from
// every port that took any, printed when the event loop ends.
void PrintPacketCounts(const shell::MonitorCore& core) {
  if (qEnvironmentVariable("NAVBIN_PACKET_COUNTS") != "stderr") return;
  for (int i = 0; i < link::kPortCount; ++i) {
    const std::uint64_t n = core.dispatcher.packetsTaken(i);
    if (n == 0) continue;
    std::fprintf(stderr, "[packets] COM%d %s: %llu\n", i + 1,
                 core.portMap.devicePath(i + 1).c_str(), static_cast<unsigned long long>(n));
  }
}

int RunMainWindow(const shell::StartupPlan& plan, const shell::CommandLine& cl) {
  platform::DeviceOpener backend;
  platform::RealSystemClock clock;
  ui::WidgetDisplay display;
  ui::QtPrompter prompter;
  shell::MonitorCore core(backend, display, prompter, clock);
  core.portMap = plan.portMap;
  shell::ApplyPlan(plan, core.shell);

  TForm_Main form(core, display, prompter);
  if (!CreateWindows(form, display, plan)) return 1;

  std::optional<StateLog> stateLog;
  if (const QString file = StateLog::RequestedFile(); !file.isEmpty()) {
    stateLog.emplace(display, file);
  }
  form.show();
  if (cl.openAll) QTimer::singleShot(0, form.menus->MenuCOM_OpenAll, &QAction::trigger);
  if (!cl.grabFile.empty()) ScheduleGrab(form, cl.grabFile, cl.grabAfterMs);
  const int status = QApplication::exec();
  PrintPacketCounts(core);
  return status;
}

}  // namespace

bool CreateWindows(TForm_Main& form, ui::WidgetDisplay& display, const shell::StartupPlan& plan) {
  if (!form.FormCreate()) return false;
  const ui::SecondaryForms forms = ui::CreateSecondaryForms(display, &form);
  new WindowWiring(form, forms);  // owned by form
  form.applyLayout(plan.multiPort);
  form.setDiagnosticsVisible(plan.diagnostics);
  return true;
}

int RunNavBinMonitor(int argc, char** argv) {
  if (auto status = AnswerWithoutWindow(shell::ReadCommandLine(Arguments(argc, argv))))
    return *status;

  QApplication app(argc, argv);  // takes out the toolkit's own options
  // The toolkit has set the C library's locale from the environment; numbers
  // keep the point ("12.5", not "12,5") in every text and file, whatever the
  // desktop's language, so that files read the same in every locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationDisplayName("M1_Monitor");
  // The installed desktop entry's name, so that the desktop matches the
  // windows to their launcher and icon.
  QGuiApplication::setDesktopFileName("invalid.navbin.monitor");
  QuitOnSignals();
  if (MessageEcho::Requested()) MessageEcho::Install();
  const shell::CommandLine cl = shell::ReadCommandLine(Arguments(argc, argv));

  QtSettingsStorage settings;
  platform::DeviceOpener backend;
  shell::StartupPlan plan = shell::PlanStartup(
      cl, [] { return platform::EnumerateSerialDevices(); }, shell::LoadPortMap(settings),
      shell::LoadCommItem(settings),
      [&backend](const std::string& path) {
        return backend.open(path) != nullptr;  // closed again at once
      });
  for (const auto& w : plan.warnings) std::fprintf(stderr, "navbin-monitor: %s\n", w.c_str());
  if (plan.portMapChanged) shell::SavePortMap(settings, plan.savedPortMap);

  if (plan.askUser) {
    const std::optional<std::int32_t> com = AskDisplayPort(plan, settings);
    if (!com) return 0;  // cancelled: no main window
    plan.displayPort = *com;
  }
  return RunMainWindow(plan, cl);
}

}  // namespace navbin::app

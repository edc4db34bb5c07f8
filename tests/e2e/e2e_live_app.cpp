#include "tests/e2e/e2e_live_app.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>
#include <filesystem>

#include "app/monitor_application.h"

namespace navbin::e2e {

LiveApp::LiveApp(const std::string& device, platform::SystemClock& clock)
    : plan(shell::PlanStartup(
          shell::ReadCommandLine({"-c" + device}), [] { return std::vector<std::string>{}; }, {},
          std::nullopt)),
      core(backend, display, prompter, clock) {
  core.portMap = plan.portMap;
  shell::ApplyPlan(plan, core.shell);
  form = std::make_unique<app::TForm_Main>(core, display, prompter);
}

LiveApp::~LiveApp() {
  form.reset();
  QCoreApplication::processEvents();  // deferred deletions of the windows
}

bool LiveApp::start() {
  return app::CreateWindows(*form, display, plan);
}

bool LiveApp::runUntil(ReceiverTap& tap, std::chrono::milliseconds limit,
                       const std::function<bool()>& until) {
  const auto end = Clock::now() + limit;
  while (Clock::now() < end) {
    if (until()) return true;
    tap.step(2);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return until();
}

std::string LiveApp::text(const char* control, reports::Form which) const {
  return display.text(which, reports::ControlName{control});
}

bool LiveApp::SavePicture(QWidget* window, const std::string& file) {
  if (!window) return false;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
  return window->grab().save(QString::fromStdString(file), "PNG");
}

}  // namespace navbin::e2e

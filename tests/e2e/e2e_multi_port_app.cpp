#include "tests/e2e/e2e_multi_port_app.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/monitor_application.h"
#include "app/state_log.h"
#include "link/framing.h"

namespace navbin::e2e {

namespace {

// The packet names of one written frame, as ReceiverTap names arrivals.
std::vector<std::string> PacketNames(std::span<const std::uint8_t> frame) {
  std::vector<std::string> names;
  link::Deframer deframer;
  for (std::uint8_t b : frame) {
    if (deframer.feed(b) != 1) continue;
    const auto payload = deframer.payload();
    char text[16];
    if ((deframer.packetId == 0x8E || deframer.packetId == 0x8F) && !payload.empty()) {
      std::snprintf(text, sizeof text, "%02X-%02X", deframer.packetId, payload[0]);
    } else {
      std::snprintf(text, sizeof text, "%02X", deframer.packetId);
    }
    names.emplace_back(text);
  }
  return names;
}

}  // namespace

MultiPortApp::~MultiPortApp() {
  form.reset();
  QCoreApplication::processEvents();  // deferred deletions of the windows
}

void MultiPortApp::logWrite(const std::string& path, std::span<const std::uint8_t> frame) {
  for (std::string& name : PacketNames(frame)) written.push_back({path, std::move(name)});
}

ReceiverTap& MultiPortApp::addReceiver(int com, std::uint64_t seed) {
  auto& tap = taps_[com];
  tap = std::make_unique<ReceiverTap>(seed);
  EXPECT_TRUE(tap->ok());
  paths_[com] = tap->slavePath();
  served_.push_back(tap.get());
  return *tap;
}

void MultiPortApp::addSilent(int com) {
  auto& tap = taps_[com];
  tap = std::make_unique<ReceiverTap>(0);
  EXPECT_TRUE(tap->ok());
  paths_[com] = tap->slavePath();
}

void MultiPortApp::addMissing(int com) {
  paths_[com] = "/dev/navbin-no-such-device-" + std::to_string(com);
}

bool MultiPortApp::start(int displayCom) {
  platform::PortMap stored;
  std::vector<std::string> args = {"-m", "-c" + std::to_string(displayCom)};
  for (const auto& [com, path] : paths_) {
    stored.assign(com, path);
    args.push_back("--port");
    args.push_back(path);
  }
  const shell::StartupPlan plan = shell::PlanStartup(
      shell::ReadCommandLine(args), [] { return std::vector<std::string>{}; }, stored,
      std::nullopt);
  core.portMap = plan.portMap;
  shell::ApplyPlan(plan, core.shell);
  form = std::make_unique<app::TForm_Main>(core, display, prompter);
  if (!app::CreateWindows(*form, display, plan)) return false;
  form->show();
  return true;
}

bool MultiPortApp::run(std::chrono::milliseconds limit, const std::function<bool()>& until) {
  const auto end = Clock::now() + limit;
  while (Clock::now() < end) {
    if (until && until()) return true;
    for (ReceiverTap* tap : served_) tap->step(1);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return until && until();
}

std::string MultiPortApp::lamps() const {
  const std::string sample = app::StateLog::Sample(display).toStdString();
  const std::string key = "Panel_MonCom=";
  const auto at = sample.find(key);
  return at == std::string::npos ? std::string() : sample.substr(at + key.size(), 16);
}

std::vector<std::string> MultiPortApp::writtenTo(int com) const {
  std::vector<std::string> names;
  const auto path = paths_.find(com);
  if (path == paths_.end()) return names;
  for (const WrittenFrame& w : written) {
    if (w.path == path->second) names.push_back(w.name);
  }
  return names;
}

std::vector<int> MultiPortApp::comsWritten(const std::string& name) const {
  std::vector<int> coms;
  for (const WrittenFrame& w : written) {
    if (w.name != name) continue;
    for (const auto& [com, path] : paths_) {
      if (path == w.path) coms.push_back(com);
    }
  }
  return coms;
}

}  // namespace navbin::e2e

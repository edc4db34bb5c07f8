#include <thread>

#include "tools/taps/port_taps.h"

// The Windows build shares no receiver on TCP: --serve is refused when the
// session starts, and the taps (none without it) are waited on by sleeping.
namespace navbin::tools {

struct PortTaps::Shares {
  std::optional<platform::ListenAddress> at;
};

PortTaps::PortTaps(platform::SerialBackend& devices, const std::vector<std::string>& paths,
                   const std::optional<platform::ListenAddress>& serveAt, bool, Note)
    : backend_(devices), paths_(paths), shares_(std::make_unique<Shares>(Shares{serveAt})) {}

PortTaps::~PortTaps() = default;

void PortTaps::tap(std::size_t index, ByteTap& tap) {
  if (index >= paths_.size()) return;
  backend_.tap(paths_[index], tap);
  tapped_ = true;
}

bool PortTaps::serving() const {
  return shares_->at.has_value();
}

bool PortTaps::listen(std::string& error) {
  if (!shares_->at) return true;
  error = shares_->at->address + ":" + std::to_string(shares_->at->port) +
          ": serving receivers on TCP is not available on Windows";
  return false;
}

std::string PortTaps::describe() const {
  return {};
}

std::size_t PortTaps::clients() const {
  return 0;
}

void PortTaps::wait(std::chrono::milliseconds timeout) {
  for (const std::string& path : paths_) {
    if (TappedDevice* device = backend_.device(path)) device->pump();
  }
  std::this_thread::sleep_for(timeout);
}

}  // namespace navbin::tools

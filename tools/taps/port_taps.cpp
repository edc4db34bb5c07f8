#include "tools/taps/port_taps.h"

#include <poll.h>

#include "platform/event_poll.h"
#include "tools/serve/port_share.h"

namespace navbin::tools {

using Clock = std::chrono::steady_clock;

struct PortTaps::Shares {
  explicit Shares(const std::optional<platform::ListenAddress>& serveAt) : at(serveAt) {}
  platform::EventPoll poll;  // before the shares, which watch their sockets with it
  std::optional<platform::ListenAddress> at;
  std::vector<std::unique_ptr<PortShare>> list;
};

PortTaps::PortTaps(platform::SerialBackend& devices, const std::vector<std::string>& paths,
                   const std::optional<platform::ListenAddress>& serveAt, bool allowCommands,
                   Note note)
    : backend_(devices), paths_(paths), shares_(std::make_unique<Shares>(serveAt)) {
  if (!serveAt) return;
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    shares_->list.push_back(std::make_unique<PortShare>(
        "COM" + std::to_string(i + 1), allowCommands, note, shares_->poll, (i + 1) << 32));
    tap(i, *shares_->list.back());
  }
}

PortTaps::~PortTaps() = default;

bool PortTaps::serving() const {
  return !shares_->list.empty();
}

void PortTaps::tap(std::size_t index, ByteTap& tap) {
  if (index >= paths_.size()) return;
  backend_.tap(paths_[index], tap);
  tapped_ = true;
}

bool PortTaps::listen(std::string& error) {
  for (std::size_t i = 0; i < shares_->list.size(); ++i) {
    const auto port = static_cast<std::uint16_t>(shares_->at->port + i);
    if (!shares_->list[i]->listen(shares_->at->address, port, error)) return false;
  }
  return true;
}

std::string PortTaps::describe() const {
  std::string text = "serving";
  for (std::size_t i = 0; i < shares_->list.size(); ++i) {
    text += (i ? ", COM" : " COM") + std::to_string(i + 1) + " at " + shares_->list[i]->url();
  }
  return text;
}

std::size_t PortTaps::clients() const {
  std::size_t count = 0;
  for (const auto& share : shares_->list) count += share->clients();
  return count;
}

void PortTaps::wait(std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  std::vector<pollfd> devices(paths_.size());
  for (auto now = Clock::now(); now < end; now = Clock::now()) {
    for (std::size_t i = 0; i < paths_.size(); ++i) {
      const TappedDevice* device = backend_.device(paths_[i]);
      devices[i] = {device ? device->pollFd() : -1, POLLIN, 0};
    }
    const auto events =
        shares_->poll.wait(std::chrono::ceil<std::chrono::milliseconds>(end - now), devices);
    bool any = !events.empty();
    for (std::size_t i = 0; i < paths_.size(); ++i) {
      if (devices[i].revents == 0) continue;
      any = true;
      if (TappedDevice* device = backend_.device(paths_[i])) device->pump();
    }
    for (const auto& event : events) {
      const std::size_t share = (event.token >> 32) - 1;
      if (share < shares_->list.size()) {
        shares_->list[share]->handle(static_cast<std::uint32_t>(event.token), event.readable,
                                     event.writable);
      }
    }
    forwardCommands();
    if (!any) return;  // the time is up, or a signal came for the caller to look at
  }
}

// Each frame goes to the device whole, so the frames of two clients and the
// logger's own queries follow one another on the line, never spliced.
void PortTaps::forwardCommands() {
  for (std::size_t i = 0; i < shares_->list.size(); ++i) {
    auto frames = shares_->list[i]->takeCommands();
    TappedDevice* device = backend_.device(paths_[i]);
    if (frames.empty() || !device) continue;
    for (const auto& frame : frames) device->write(frame.data(), frame.size());
    device->flushOutput();
  }
}

}  // namespace navbin::tools

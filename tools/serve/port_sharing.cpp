#include "tools/serve/port_sharing.h"

#include <poll.h>

#include <cerrno>

namespace navbin::tools {

using Clock = std::chrono::steady_clock;

PortSharing::PortSharing(platform::SerialBackend& devices, const std::vector<std::string>& paths,
                         const std::optional<platform::ListenAddress>& at, bool allowCommands,
                         PortShare::Note note)
    : backend_(devices), paths_(paths), at_(at) {
  if (!at_) return;
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    shares_.push_back(
        std::make_unique<PortShare>("COM" + std::to_string(i + 1), allowCommands, note));
    backend_.share(paths_[i], *shares_.back());
  }
}

bool PortSharing::listen(std::string& error) {
  for (std::size_t i = 0; i < shares_.size(); ++i) {
    const auto port = static_cast<std::uint16_t>(at_->port + i);
    if (!shares_[i]->listen(at_->address, port, error)) return false;
  }
  return true;
}

std::string PortSharing::describe() const {
  std::string text = "serving";
  for (std::size_t i = 0; i < shares_.size(); ++i) {
    text += (i ? ", COM" : " COM") + std::to_string(i + 1) + " at " + shares_[i]->url();
  }
  return text;
}

std::size_t PortSharing::clients() const {
  std::size_t count = 0;
  for (const auto& share : shares_) count += share->clients();
  return count;
}

void PortSharing::wait(std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  std::vector<pollfd> fds;
  std::vector<std::size_t> firsts;  // each share's first descriptor in fds
  for (auto now = Clock::now(); now < end; now = Clock::now()) {
    fds.clear();
    firsts.clear();
    for (std::size_t i = 0; i < shares_.size(); ++i) {
      const SharedDevice* device = backend_.device(paths_[i]);
      fds.push_back({device ? device->pollFd() : -1, POLLIN, 0});
      firsts.push_back(fds.size());
      shares_[i]->addPollFds(fds);
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(end - now).count();
    const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(ms));
    if (ready < 0 && errno == EINTR) return;  // a signal: let the caller look at it
    if (ready <= 0) continue;
    for (std::size_t i = 0; i < shares_.size(); ++i) {
      const std::size_t last = i + 1 < shares_.size() ? firsts[i + 1] - 1 : fds.size();
      if (fds[firsts[i] - 1].revents != 0) {
        if (SharedDevice* device = backend_.device(paths_[i])) device->pump();
      }
      shares_[i]->service(std::span<const pollfd>(fds).subspan(firsts[i], last - firsts[i]));
    }
    forwardCommands();
  }
}

// Each frame goes to the device whole, so the frames of two clients and the
// logger's own queries follow one another on the line, never spliced.
void PortSharing::forwardCommands() {
  for (std::size_t i = 0; i < shares_.size(); ++i) {
    auto frames = shares_[i]->takeCommands();
    SharedDevice* device = backend_.device(paths_[i]);
    if (frames.empty() || !device) continue;
    for (const auto& frame : frames) device->write(frame.data(), frame.size());
    device->flushOutput();
  }
}

}  // namespace navbin::tools

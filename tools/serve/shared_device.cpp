#include "tools/serve/shared_device.h"

#include <algorithm>
#include <array>

namespace navbin::tools {

SharedDevice::SharedDevice(std::unique_ptr<platform::SerialDevice> device, PortShare& share,
                           SharedDevice*& slot)
    : device_(std::move(device)), share_(share), slot_(slot) {
  slot_ = this;
  share_.restartStream();
}

SharedDevice::~SharedDevice() {
  if (slot_ == this) slot_ = nullptr;
}

void SharedDevice::pump() {
  std::array<std::uint8_t, 4096> buffer;
  for (long n; (n = device_->read(buffer.data(), buffer.size())) > 0;) {
    const std::span<const std::uint8_t> bytes(buffer.data(), static_cast<std::size_t>(n));
    share_.deliver(bytes);
    const std::size_t room = kInputCapacity - std::min(kInputCapacity, input_.size());
    if (bytes.size() > room) input_.consume(std::min(input_.size(), bytes.size() - room));
    input_.append(bytes.last(std::min(bytes.size(), kInputCapacity)));
  }
}

long SharedDevice::pendingInput() {
  pump();
  if (input_.size() == 0 && device_->lost()) return -1;
  return static_cast<long>(input_.size());
}

long SharedDevice::read(std::uint8_t* buffer, std::size_t max) {
  pump();
  if (input_.size() == 0) return device_->lost() ? -1 : 0;
  const std::size_t n = std::min(max, input_.size());
  std::copy_n(input_.front(), n, buffer);
  input_.consume(n);
  return static_cast<long>(n);
}

bool SharedDevice::write(const std::uint8_t* frame, std::size_t length) {
  return device_->write(frame, length);
}

void SharedDevice::purge() {
  input_.clear();
  device_->purge();
}

bool SharedDevice::waitForInput(int timeoutMs) {
  if (input_.size() > 0) return true;
  const bool waiting = device_->waitForInput(timeoutMs);
  pump();
  return waiting || input_.size() > 0;
}

std::unique_ptr<platform::SerialDevice> SharingBackend::open(const std::string& path) {
  auto device = devices_.open(path);
  const auto shared = shared_.find(path);
  if (!device || shared == shared_.end()) return device;
  return std::make_unique<SharedDevice>(std::move(device), *shared->second.share,
                                        shared->second.open);
}

SharedDevice* SharingBackend::device(const std::string& path) const {
  const auto shared = shared_.find(path);
  return shared == shared_.end() ? nullptr : shared->second.open;
}

}  // namespace navbin::tools

#include "tools/taps/tapped_device.h"

#include <algorithm>
#include <array>

namespace navbin::tools {

namespace {

// A character's bits on the line: start, data, parity, stop.
double SecondsPerByte(const platform::LineParameters& line) {
  const int bits = 1 + line.byteSize + (line.parity != 0 ? 1 : 0) + (line.stopBits == 2 ? 2 : 1);
  return line.baud > 0 ? bits / static_cast<double>(line.baud) : 0;
}

}  // namespace

// A device opens at the default line parameters and keeps them until the
// monitor sets others.
TappedDevice::TappedDevice(std::unique_ptr<platform::SerialDevice> device,
                           std::vector<ByteTap*> taps, TappedDevice*& slot)
    : device_(std::move(device)),
      taps_(std::move(taps)),
      slot_(slot),
      secondsPerByte_(SecondsPerByte(platform::LineParameters{})) {
  slot_ = this;
  for (ByteTap* tap : taps_) tap->restarted();
}

TappedDevice::~TappedDevice() {
  if (slot_ == this) slot_ = nullptr;
}

void TappedDevice::pump() {
  std::array<std::uint8_t, 4096> buffer;
  for (long n; (n = device_->read(buffer.data(), buffer.size())) > 0;) {
    const ReadTime time{std::chrono::system_clock::now(), secondsPerByte_};
    const std::span<const std::uint8_t> bytes(buffer.data(), static_cast<std::size_t>(n));
    for (ByteTap* tap : taps_) tap->received(bytes, time);
    const std::size_t room = kInputCapacity - std::min(kInputCapacity, input_.size());
    if (bytes.size() > room) input_.consume(std::min(input_.size(), bytes.size() - room));
    input_.append(bytes.last(std::min(bytes.size(), kInputCapacity)));
  }
}

long TappedDevice::pendingInput() {
  pump();
  if (input_.size() == 0 && device_->lost()) return -1;
  return static_cast<long>(input_.size());
}

long TappedDevice::read(std::uint8_t* buffer, std::size_t max) {
  pump();
  if (input_.size() == 0) return device_->lost() ? -1 : 0;
  const std::size_t n = std::min(max, input_.size());
  std::copy_n(input_.front(), n, buffer);
  input_.consume(n);
  return static_cast<long>(n);
}

bool TappedDevice::write(const std::uint8_t* frame, std::size_t length) {
  return device_->write(frame, length);
}

// The line's rate holds for a network port too: behind it is a serial line
// (ser2net) or a stream paced as one.
bool TappedDevice::setLineParameters(const platform::LineParameters& line) {
  if (!device_->setLineParameters(line)) return false;
  secondsPerByte_ = SecondsPerByte(line);
  return true;
}

void TappedDevice::purge() {
  input_.clear();
  device_->purge();
}

bool TappedDevice::waitForInput(int timeoutMs) {
  if (input_.size() > 0) return true;
  const bool waiting = device_->waitForInput(timeoutMs);
  pump();
  return waiting || input_.size() > 0;
}

std::unique_ptr<platform::SerialDevice> TappingBackend::open(const std::string& path) {
  auto device = devices_.open(path);
  const auto tapped = tapped_.find(path);
  if (!device || tapped == tapped_.end()) return device;
  return std::make_unique<TappedDevice>(std::move(device), tapped->second.taps,
                                        tapped->second.open);
}

TappedDevice* TappingBackend::device(const std::string& path) const {
  const auto tapped = tapped_.find(path);
  return tapped == tapped_.end() ? nullptr : tapped->second.open;
}

}  // namespace navbin::tools

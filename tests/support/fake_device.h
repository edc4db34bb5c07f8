#pragma once
// A serial device and its backend for tests that watch what is written. The
// device passes every call on to the device it wraps (an in-memory or a real
// one); without one it serves input loaded into a fixed buffer, so that
// loading allocates nothing, and takes every write. Either way each write is
// counted and shown to a hook, with the path the device was opened by, first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "link/port_context.h"
#include "platform/serial_device.h"

namespace navbin::support {

using WriteHook = std::function<void(const std::string& path, std::span<const std::uint8_t> frame)>;

class FakeDevice final : public platform::SerialDevice {
 public:
  FakeDevice(std::string path, std::unique_ptr<platform::SerialDevice> inner, WriteHook onWrite)
      : path_(std::move(path)), inner_(std::move(inner)), onWrite_(std::move(onWrite)) {}

  // Input for the next read, replacing what is left; for a device without an
  // inner device only.
  void load(const std::uint8_t* bytes, std::size_t n) {
    std::memcpy(input_.data(), bytes, n);
    pending_ = n;
  }

  long pendingInput() override {
    return inner_ ? inner_->pendingInput() : static_cast<long>(pending_);
  }
  long read(std::uint8_t* buffer, std::size_t max) override {
    if (inner_) return inner_->read(buffer, max);
    const std::size_t n = pending_ < max ? pending_ : max;
    std::memcpy(buffer, input_.data(), n);
    pending_ = 0;
    return static_cast<long>(n);
  }
  bool write(const std::uint8_t* frame, std::size_t length) override {
    ++writes;
    if (onWrite_) onWrite_(path_, {frame, length});
    return inner_ ? inner_->write(frame, length) : true;
  }
  void flushOutput() override {
    if (inner_) inner_->flushOutput();
  }
  bool setLineParameters(const platform::LineParameters& line) override {
    return inner_ ? inner_->setLineParameters(line) : true;
  }
  void purge() override {
    if (inner_) inner_->purge();
  }
  bool lost() const override { return inner_ && inner_->lost(); }
  bool waitForInput(int timeoutMs) override {
    return inner_ ? inner_->waitForInput(timeoutMs) : pending_ > 0;
  }

  int writes = 0;

 private:
  std::string path_;
  std::unique_ptr<platform::SerialDevice> inner_;
  WriteHook onWrite_;
  std::array<std::uint8_t, link::kRxBufferSize> input_{};
  std::size_t pending_ = 0;
};

// Opens FakeDevices over the devices of `inner`, or over fixed buffers when
// there is none. Whether a device exists is left to the open, as for
// backends that cannot tell.
class FakeBackend final : public platform::SerialBackend {
 public:
  explicit FakeBackend(platform::SerialBackend* inner = nullptr, WriteHook onWrite = {})
      : inner_(inner), onWrite_(std::move(onWrite)) {}

  std::unique_ptr<platform::SerialDevice> open(const std::string& path) override {
    std::unique_ptr<platform::SerialDevice> real;
    if (inner_ && !(real = inner_->open(path))) return nullptr;
    auto device = std::make_unique<FakeDevice>(path, std::move(real), onWrite_);
    devices[path] = device.get();
    return device;
  }
  platform::OpenError lastError() const override {
    return inner_ ? inner_->lastError() : platform::OpenError::None;
  }

  // The device last opened by each path (gone once its port closes it).
  std::map<std::string, FakeDevice*> devices;

 private:
  platform::SerialBackend* inner_;
  WriteHook onWrite_;
};

}  // namespace navbin::support

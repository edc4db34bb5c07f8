#include "platform/memory_serial_device.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace navbin::platform {

void MemoryLine::push(std::span<const std::uint8_t> bytes) {
  input_.insert(input_.end(), bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> MemoryLine::written() const {
  std::vector<std::uint8_t> all;
  for (const auto& frame : frames_) all.insert(all.end(), frame.begin(), frame.end());
  return all;
}

void MemoryLine::setLost(bool lost) {
  if (lost && !lost_) {
    ++generation_;  // the open device, if any, is gone for good
    held_ = false;
    input_.clear();
  }
  lost_ = lost;
}

MemorySerialDevice::MemorySerialDevice(std::shared_ptr<MemoryLine> line)
    : line_(std::move(line)), generation_(line_->generation_) {
  line_->held_ = true;
}

MemorySerialDevice::~MemorySerialDevice() {
  if (!lost()) line_->held_ = false;
}

bool MemorySerialDevice::lost() const {
  return line_->lost_ || line_->generation_ != generation_;
}

long MemorySerialDevice::pendingInput() {
  if (lost()) return -1;
  return static_cast<long>(line_->input_.size());
}

long MemorySerialDevice::read(std::uint8_t* buffer, std::size_t max) {
  if (lost()) return -1;
  std::size_t n = std::min(max, line_->input_.size());
  if (line_->readChunk_ > 0) n = std::min(n, line_->readChunk_);
  std::copy_n(line_->input_.begin(), n, buffer);
  line_->input_.erase(line_->input_.begin(), line_->input_.begin() + static_cast<long>(n));
  return static_cast<long>(n);
}

bool MemorySerialDevice::write(const std::uint8_t* frame, std::size_t length) {
  if (lost()) return false;
  line_->frames_.emplace_back(frame, frame + length);
  return true;
}

bool MemorySerialDevice::waitForInput(int timeoutMs) {
  if (lost()) return false;
  ++line_->waitCount_;
  if (line_->input_.empty() && line_->waitHook_) line_->waitHook_();
  if (lost()) return false;
  if (line_->input_.empty() && timeoutMs > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));  // as poll() would
  }
  return !line_->input_.empty();
}

bool MemorySerialDevice::setLineParameters(const LineParameters& line) {
  if (lost() || line_->refuseLine_) return false;
  line_->line_ = line;
  return true;
}

void MemorySerialDevice::purge() {
  if (lost()) return;
  line_->input_.clear();
  ++line_->purgeCount_;
}

MemoryLine& MemorySerialBackend::addDevice(const std::string& path) {
  auto& slot = lines_[path];
  if (!slot) slot = std::make_shared<MemoryLine>();
  return *slot;
}

MemoryLine* MemorySerialBackend::line(const std::string& path) {
  const auto it = lines_.find(path);
  return it == lines_.end() ? nullptr : it->second.get();
}

std::unique_ptr<SerialDevice> MemorySerialBackend::open(const std::string& path) {
  const auto it = lines_.find(path);
  if (it == lines_.end() || it->second->lost_) {
    lastError_ = OpenError::NotFound;
    return nullptr;
  }
  MemoryLine& line = *it->second;
  if (line.openError_ != OpenError::None) {
    lastError_ = line.openError_;
    return nullptr;
  }
  if (line.held_) {
    lastError_ = OpenError::Busy;
    return nullptr;
  }
  lastError_ = OpenError::None;
  ++line.openCount_;
  return std::make_unique<MemorySerialDevice>(it->second);
}

bool MemorySerialBackend::exists(const std::string& path) const {
  const auto it = lines_.find(path);
  return it != lines_.end() && !it->second->lost_;
}

}  // namespace navbin::platform

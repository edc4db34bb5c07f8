#include "config/device_link.h"

#include <algorithm>
#include <array>
#include <thread>

#include "protocol/commands/line_codes.h"

namespace navbin::config {

namespace {
// Longest sleep on the device in one go, so that a deadline is kept closely.
constexpr int kSliceMs = 50;
}  // namespace

DeviceLink::DeviceLink(platform::SerialDevice& device, link::LineSettings line)
    : device_(device), line_(line) {
  ok_ = apply(line);
}

bool DeviceLink::apply(const link::LineSettings& line) {
  const platform::LineParameters parameters{
      commands::BaudRateOfCode(line.baudCode), commands::DataBitsOfCode(line.dataBitsCode),
      commands::ParityOfCode(line.parityCode), commands::StopBitsOfCode(line.stopBitsCode)};
  if (parameters.baud == 0 || parameters.byteSize == 0 || parameters.parity < 0 ||
      parameters.stopBits < 0) {
    return false;
  }
  // As on the monitor's ports, a setting the driver refuses is not an error
  // (pseudo-terminals refuse parity); the line keeps what the driver has.
  device_.setLineParameters(parameters);
  line_ = line;
  return true;
}

bool DeviceLink::send(const commands::CommandPacket& packet) {
  std::array<std::uint8_t, link::kMaxFrameLength> frame{};
  const std::size_t length = link::BuildFrame(packet.view(), frame);
  if (length == 0 || !device_.write(frame.data(), length)) return false;
  device_.flushOutput();
  return !device_.lost();
}

std::optional<std::vector<std::uint8_t>> DeviceLink::deframe(const ReportKey& key) {
  while (readPos_ < unread_.size()) {
    if (deframer_.feed(unread_[readPos_++]) == 0) continue;
    const auto payload = deframer_.payload();
    if (key.matches(static_cast<std::uint8_t>(deframer_.packetId), payload)) {
      return std::vector<std::uint8_t>(payload.begin(), payload.end());
    }
  }
  unread_.clear();
  readPos_ = 0;
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> DeviceLink::await(const ReportKey& key,
                                                           std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (auto found = deframe(key)) return found;
    std::array<std::uint8_t, 4096> buffer{};
    const long n = device_.read(buffer.data(), buffer.size());
    if (n < 0) return std::nullopt;
    if (n > 0) {
      unread_.assign(buffer.begin(), buffer.begin() + n);
      continue;
    }
    device_.flushOutput();
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return std::nullopt;
    if (!device_.waitForInput(static_cast<int>(std::min<long long>(left, kSliceMs)))) {
      if (device_.lost()) return std::nullopt;
      // A device that cannot wait answers at once: a short sleep, not a spin.
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
}

bool DeviceLink::follow(const link::LineSettings& line, std::chrono::milliseconds drain) {
  device_.flushOutput();
  std::this_thread::sleep_for(drain);
  device_.flushOutput();
  if (!apply(line)) return false;
  device_.purge();
  unread_.clear();
  readPos_ = 0;
  deframer_ = link::Deframer{};
  return true;
}

}  // namespace navbin::config

#include "transfer/reply_wait.h"

#include <algorithm>

#include "protocol/presentation/control_names.h"

namespace navbin::transfer {

ReplyWait::ReplyWait(link::SerialChannel& channel, link::PortTable& ports,
                     const link::PortSelection& shell, reports::Display& display,
                     TransferView& view)
    : channel_(channel), ports_(ports), shell_(shell), display_(display), view_(view) {}

link::PortContext* ReplyWait::displayPort() const {
  const int index = shell_.displayIndex();
  if (index < 0 || index >= link::kPortCount) return nullptr;
  link::PortContext& port = ports_[static_cast<std::size_t>(index)];
  return port.isOpen && !port.deviceLost ? &port : nullptr;
}

// Every packet lights the receive lamp. Only the awaited reply stops the
// read: a late or foreign 0x58 is passed over, so that an awaited reply
// behind it in the same read is not dropped with the rest of the read.
void ReplyWait::capture(const link::PortContext& port) {
  display_.setColour(reports::Form::Main, reports::names::Shape_RxLED, reports::Colour::Lime);
  if (port.packetId != reports::kSatelliteDataReplyId) return;
  auto reply = reports::ParseSatelliteData({port.payload(), port.packetLen});
  if (!reply || reply->dataType != awaitedType_ || reply->sv != awaitedSv_) return;
  captured_ = *reply;
  channel_.captureFlag = true;
}

std::optional<reports::SatelliteDataReport> ReplyWait::waitForDataReply(std::uint8_t type,
                                                                        std::uint8_t sv) {
  lastReplyOperation.reset();
  captured_.reset();
  channel_.captureFlag = false;  // a flag left set would stop every read at once
  awaitedType_ = type;
  awaitedSv_ = sv;
  outcome_ = poll(Clock::now() + timeout_);
  channel_.captureFlag = false;
  if (outcome_ != Outcome::Reply) return std::nullopt;
  lastReplyOperation = captured_->operation;
  return captured_;
}

ReplyWait::Outcome ReplyWait::poll(Clock::time_point deadline) {
  const link::PacketHandler handler = [this](link::PortContext& p) { capture(p); };
  for (;;) {
    if (view_.cancelRequested()) return Outcome::Cancelled;
    link::PortContext* port = displayPort();
    if (!port || channel_.PollPort(*port, handler, true) != 0) return Outcome::NoPort;
    if (channel_.captureFlag && captured_) return Outcome::Reply;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return Outcome::TimedOut;
    // Sleeps until bytes arrive or the slice ends; a device that cannot wait
    // answers at once, and the deadline still ends the loop.
    channel_.WaitForInput(*port, static_cast<int>(std::min<long long>(left, kRefreshMs)));
    view_.refresh();
  }
}

}  // namespace navbin::transfer

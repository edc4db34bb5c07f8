#include "protocol/commands/packet_sender.h"

#include <thread>

namespace navbin::commands {

PacketSender::PacketSender(link::SerialChannel& channel, link::PortTable& ports,
                           const link::PortSelection& shell,
                           std::array<std::uint8_t, link::kPortCount>& logTrigger)
    : channel_(channel), ports_(ports), shell_(shell), logTrigger_(logTrigger) {}

void PacketSender::SendPacket(int selector, std::size_t length, const std::uint8_t* bytes) {
  if (selector == ALL_PORTS || (selector == DISPLAY_PORT && shell_.transmitToAll)) {
    for (link::PortContext& port : ports_) {
      if (port.isOpen) channel_.WriteFrame(length, bytes, port);
    }
    // The lamp lights and the pause happens even when no port was open.
    lightAndPause(true);
    return;
  }
  const int index = selector == DISPLAY_PORT ? shell_.displayIndex() : selector;
  if (index < 0 || index >= link::kPortCount) return;  // not a port: nothing to address
  link::PortContext& port = ports_[static_cast<std::size_t>(index)];
  if (!port.isOpen) return;  // closed in the meantime: dropped, no lamp, no pause
  if (paintTxLamp_) paintTxLamp_();
  channel_.WriteFrame(length, bytes, port);
  lightAndPause(false);
}

void PacketSender::lightAndPause(bool light) {
  if (light && paintTxLamp_) paintTxLamp_();
  ++pauseCount_;
  // A short sleep gives the driver time to take the frame; it never spins.
  if (pause_.count() > 0) std::this_thread::sleep_for(pause_);
}

void PacketSender::armLogTrigger(int selector) {
  if (selector == ALL_PORTS) {
    for (std::size_t i = 0; i < ports_.size(); ++i) {
      if (ports_[i].isOpen) logTrigger_[i] = 1;
    }
    return;
  }
  // DISPLAY_PORT arms the display port only, also while Tx All is on.
  const int index = selector == DISPLAY_PORT ? shell_.displayIndex() : selector;
  if (index >= 0 && index < link::kPortCount) logTrigger_[static_cast<std::size_t>(index)] = 1;
}

}  // namespace navbin::commands

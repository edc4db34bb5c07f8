#pragma once
// The 200 ms monitor cycle: lamps, identification countdowns, draining every
// open port into the dispatcher, auto-queries, channel ageing, activity rotation.

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "protocol/commands/packet_sender.h"
#include "protocol/presentation/display.h"
#include "protocol/receiver/dispatcher.h"
#include "shell/multi_port_control.h"
#include "shell/port_return.h"

namespace navbin::shell {

class MonitorCycle {
 public:
  // Also makes the send path paint Shape_TxLED lime green on every send.
  MonitorCycle(link::SerialChannel& channel, link::PortTable& ports, link::PortSelection& shell,
               commands::PacketSender& sender, reports::ReportDispatcher& dispatcher,
               reports::Display& display, MultiPortControl& multiPort);

  // One tick of Timer_NavBin; returns at once when called inside a tick.
  void NavBinTimer();

  std::int32_t phase() const { return phase_; }

  // Called once when a port's device is found gone during a poll. The port
  // stays open until the hook's owner closes it; it is not polled meanwhile.
  void setPortLostHook(std::function<void(int portIndex)> hook) { portLost_ = std::move(hook); }
  // Runs last in every tick (the raw packet log writes its frames there).
  void setTickEndHook(std::function<void()> hook) { tickEnd_ = std::move(hook); }

  // Lost ports come back by themselves once their device is there again.
  PortReturn& portReturn() { return portReturn_; }

 private:
  link::SerialChannel& channel_;
  link::PortTable& ports_;
  link::PortSelection& shell_;
  commands::PacketSender& sender_;
  reports::ReportDispatcher& dispatcher_;
  reports::Display& display_;
  MultiPortControl& multiPort_;
  std::int32_t phase_ = 0;
  bool txLampWasLit_ = false;
  bool rxLampWasLit_ = false;
  std::function<void(int)> portLost_;
  std::function<void()> tickEnd_;
  PortReturn portReturn_;
  link::PacketHandler dispatch_;  // built once: a tick allocates nothing
  std::array<bool, link::kPortCount> lostReported_{};
  bool ticking_ = false;  // a tick is running (a box may be open inside it)

  void tick();
  void blinkLamps();
  void stepCountdown(link::PortContext& port, int index);
  void pollPort(link::PortContext& port, int index);
  void runPhase();
  void rotateActivity();
};

}  // namespace navbin::shell

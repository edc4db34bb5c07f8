#include "shell/monitor_cycle.h"

#include "protocol/commands/line_codes.h"
#include "protocol/commands/query_commands.h"
#include "protocol/presentation/control_names.h"
#include "protocol/presentation/port_control_names.h"
#include "protocol/receiver/age_channels.h"

namespace navbin::shell {
namespace {

using reports::Colour;
using reports::Form;

constexpr reports::ControlName kTxLamp = reports::names::Shape_TxLED;
constexpr reports::ControlName kRxLamp = reports::names::Shape_RxLED;
constexpr std::int32_t kPhases = 10;

}  // namespace

MonitorCycle::MonitorCycle(link::SerialChannel& channel, link::PortTable& ports,
                           link::PortSelection& shell, commands::PacketSender& sender,
                           reports::ReportDispatcher& dispatcher, reports::Display& display,
                           MultiPortControl& multiPort)
    : channel_(channel),
      ports_(ports),
      shell_(shell),
      sender_(sender),
      dispatcher_(dispatcher),
      display_(display),
      multiPort_(multiPort),
      portReturn_(channel, ports, shell, display),
      dispatch_([this](link::PortContext& port) { dispatcher_.dispatchReport(port); }) {
  sender_.setTransmitLampHook([this] { display_.setColour(Form::Main, kTxLamp, Colour::Lime); });
}

// A message box or file chooser opened by a decoder runs a nested event loop
// in which the timer fires again. That tick returns at once: it would read
// the ports into the receive buffers the interrupted tick is still
// de-framing. The interrupted tick reads on once the box closes.
void MonitorCycle::NavBinTimer() {
  if (ticking_) return;
  struct Running {
    bool& flag;
    explicit Running(bool& f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
  } running(ticking_);
  tick();
}

void MonitorCycle::tick() {
  blinkLamps();
  bool anyOpen = false;
  for (int i = 0; i < link::kPortCount; ++i) {
    link::PortContext& port = ports_[static_cast<std::size_t>(i)];
    if (!port.isOpen) {
      lostReported_[static_cast<std::size_t>(i)] = false;
      continue;
    }
    anyOpen = true;
    stepCountdown(port, i);
    pollPort(port, i);
  }
  phase_ = (phase_ + 1) % kPhases;
  if (anyOpen) runPhase();
  if (phase_ % 5 == 4) portReturn_.check();  // once a second
  if (tickEnd_) tickEnd_();
}

// A lamp found lime green at one tick turns gray at the next, unless it was
// painted again in between: it stays lit 200 to 400 ms after the last activity.
void MonitorCycle::blinkLamps() {
  if (txLampWasLit_) {
    display_.setColour(Form::Main, kTxLamp, Colour::Gray);
    txLampWasLit_ = false;
  }
  if (rxLampWasLit_) {
    display_.setColour(Form::Main, kRxLamp, Colour::Gray);
    rxLampWasLit_ = false;
  }
  if (display_.colour(Form::Main, kTxLamp) == Colour::Lime) txLampWasLit_ = true;
  if (display_.colour(Form::Main, kRxLamp) == Colour::Lime) rxLampWasLit_ = true;
}

// Identification countdown: shortly after an open, ask the receiver who it is
// and how it is set up. The queries go to this port only, never copied by Tx All.
void MonitorCycle::stepCountdown(link::PortContext& port, int index) {
  switch (port.startupState) {
    case 9:
    case 8:
    case 7:
    case 6:
    case 5:
    case 3:
      --port.startupState;
      break;
    case 4:
      port.startupState = 3;
      if (shell_.isDisplayPort(static_cast<std::uint32_t>(index))) {
        display_.setText(Form::Main, reports::names::Panel_Serial,
                         commands::IdentifiedSerialText(index + 1));
      }
      shell_.lineSettings[static_cast<std::size_t>(index)] = link::LineSettings{7, 3, 1, 0};
      break;
    case 2:
      port.startupState = 1;
      commands::RequestVersion(sender_, index);
      break;
    case 1:
      port.startupState = 0;
      commands::RequestIdentification(sender_, index);
      break;
    default:
      break;  // 0: identification done
  }
}

// Drains the port into the dispatcher. A device that went away is reported
// once to the hook and then left alone until the port is closed or reopened.
void MonitorCycle::pollPort(link::PortContext& port, int index) {
  bool& reported = lostReported_[static_cast<std::size_t>(index)];
  if (port.deviceLost && reported) return;
  const int result = port.deviceLost ? -1 : channel_.PollPort(port, dispatch_, false);
  if (result == 0) {
    reported = false;
    return;
  }
  if (reported) return;
  reported = true;
  portReturn_.watch(index, port.monitored);
  if (portLost_) portLost_(index);
}

void MonitorCycle::runPhase() {
  switch (phase_) {
    case 0:
    case 5:
      if (shell_.autoQuery) commands::RequestReceiverHealth(sender_, commands::DISPLAY_PORT);
      break;
    case 1:
    case 6:
      if (shell_.autoQuery) commands::RequestSatelliteSelection(sender_, commands::DISPLAY_PORT);
      break;
    case 2:
    case 7:
      if (shell_.autoQuery) commands::RequestTrackingStatus(sender_, commands::DISPLAY_PORT);
      break;
    case 3:
    case 8:
      reports::ageChannels(dispatcher_.context());
      break;
    case 9:
      rotateActivity();
      break;
    default:
      break;
  }
}

// Every 2 s: what arrived in the last period becomes the activity shown by
// the port lamps; the receiver search ends at its second rotation.
void MonitorCycle::rotateActivity() {
  for (link::PortContext& port : ports_) {
    port.rxActive = port.rxSeen;
    port.rxSeen = false;
  }
  multiPort_.repaintPortPanels();
  if (multiPort_.findAllCountdown > 0) {
    --multiPort_.findAllCountdown;
    if (multiPort_.findAllCountdown == 0) multiPort_.closeAllQuietPorts();
  }
}

}  // namespace navbin::shell

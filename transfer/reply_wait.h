#pragma once
// The wait for one satellite-data reply (0x58) on the display port. It polls
// the port in stoppable mode with its own packet handler, so that nothing
// else is decoded meanwhile, and sleeps on the device between reads: the
// thread is held but the CPU is not spun. The windows are refreshed every
// few tens of milliseconds, and a cancel asked for meanwhile ends the wait
// within one such slice.

#include <chrono>
#include <cstdint>
#include <optional>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "protocol/presentation/display.h"
#include "protocol/wire/report_satellite_data.h"
#include "transfer/transfer_view.h"

namespace navbin::transfer {

class ReplyWait {
 public:
  // How the last wait ended.
  enum class Outcome {
    Reply,      // the awaited reply came
    TimedOut,   // nothing came within the time-out
    NoPort,     // the display port is closed or its device gone
    Cancelled,  // the user cancelled the transfer
  };

  static constexpr std::chrono::milliseconds kDefaultTimeout{2000};
  // Longest sleep between two refreshes of the windows.
  static constexpr int kRefreshMs = 40;

  ReplyWait(link::SerialChannel& channel, link::PortTable& ports, const link::PortSelection& shell,
            reports::Display& display, TransferView& view);

  // Waits for the reply of `type` and `sv` until the time-out. The reply, or
  // nothing on time-out (also at once when the display port is closed or
  // gone, or the transfer is cancelled); outcome() says which. Replies for
  // another type or SV are ignored.
  std::optional<reports::SatelliteDataReport> waitForDataReply(std::uint8_t type, std::uint8_t sv);

  void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
  std::chrono::milliseconds timeout() const { return timeout_; }
  Outcome outcome() const { return outcome_; }

  // Operation byte of the reply the last wait matched; none after a time-out.
  std::optional<std::uint8_t> lastReplyOperation;

 private:
  using Clock = std::chrono::steady_clock;

  link::PortContext* displayPort() const;
  void capture(const link::PortContext& port);
  // Polls and sleeps until the reply, the deadline, the port's loss or a cancel.
  Outcome poll(Clock::time_point deadline);

  link::SerialChannel& channel_;
  link::PortTable& ports_;
  const link::PortSelection& shell_;
  reports::Display& display_;
  TransferView& view_;
  std::chrono::milliseconds timeout_ = kDefaultTimeout;
  Outcome outcome_ = Outcome::TimedOut;

  // The awaited reply and what was captured of it.
  std::uint8_t awaitedType_ = 0;
  std::uint8_t awaitedSv_ = 0;
  std::optional<reports::SatelliteDataReport> captured_;
};

}  // namespace navbin::transfer

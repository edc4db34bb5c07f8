#pragma once
// Serves a recording on a pseudo-terminal as a live receiver would serve its
// reports. The replay begins when a program opens the device (a little
// later, so that it has set up and purged its line first), goes at the pace
// of ReplayPacer times the speed, or as fast as the reader takes the bytes,
// and reads and drops every command: a recording cannot answer.

#include <chrono>
#include <csignal>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/recording_reader.h"
#include "sim/pseudo_terminal.h"
#include "sim/replay_pacer.h"
#include "sim/sim_options.h"

namespace navbin::sim {

using link::RecordingReader;

class ReplayServer {
 public:
  ReplayServer(RecordingReader& reader, const SimOptions& options);
  ~ReplayServer();  // removes the link it made
  ReplayServer(const ReplayServer&) = delete;
  ReplayServer& operator=(const ReplayServer&) = delete;

  // Reads up to the first packet, then opens the device and makes the link;
  // false with a message when the recording holds no packet or the device
  // cannot be made.
  bool start(std::string& error);
  const std::string& slavePath() const { return terminal_->slavePath(); }

  // Plays the recording (again and again with --loop) until its end or
  // `stop`, then lets the reader take what is left; false with a message
  // when the file cannot be read.
  bool run(const volatile std::sig_atomic_t& stop, std::string& error);

 private:
  using Clock = std::chrono::steady_clock;

  bool waitForOpen(const volatile std::sig_atomic_t& stop);
  // One wait of at most `timeoutMs` on the device: drops commands, moves
  // queued bytes on.
  void serveOnce(int timeoutMs, bool wantRoom);
  void idleUntil(Clock::time_point until, const volatile std::sig_atomic_t& stop);
  bool send(const TimedFrame& frame, const volatile std::sig_atomic_t& stop);
  void drain(const volatile std::sig_atomic_t& stop);

  RecordingReader& reader_;
  SimOptions options_;
  std::unique_ptr<PseudoTerminal> terminal_;
  int openWatch_ = -1;  // inotify descriptor watching the device for opens
  std::string link_;
  std::vector<std::uint8_t> firstPacket_;
  Clock::time_point start_{};
  bool lineStalled_ = false;  // the last frame found the line full for too long
};

}  // namespace navbin::sim

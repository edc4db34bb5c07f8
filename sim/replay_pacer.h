#pragma once
// When each packet of a recording goes out, in seconds of the recording from
// its first packet. The receiver's own time reports (0x41 or 0x8F-AB,
// whichever kind comes first) pin the timeline: a report that comes
// t seconds of GPS time after the previous one goes out t seconds after it,
// and the packets between them are spread over that stretch by their bytes,
// as they shared the line. Without such reports, before the first one, after
// a jump in time and past a long stretch without one, packets follow each
// other at the rate of a 9600 baud 8-O-1 line.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace navbin::sim {

struct TimedFrame {
  std::vector<std::uint8_t> frame;  // as it goes on the wire
  double at = 0;                    // seconds of recording
};

// GPS seconds (week * 604800 + time of week) of a time report (0x41 GPS
// time, 0x8F-AB primary timing; id first); nothing for other packets and for
// times out of range.
std::optional<double> TimeReportSeconds(std::span<const std::uint8_t> packet);

class ReplayPacer {
 public:
  // Seconds a 9600 baud line with 11 bits a byte (8-O-1) takes for `bytes`.
  static double LineSeconds(std::size_t bytes) { return static_cast<double>(bytes) * 11 / 9600; }

  // Stretches between time reports longer than this, or going back, are
  // breaks in the recording (an appended log, a receiver switched off).
  static constexpr double kMaxStretchSeconds = 300;
  // Bytes held while waiting for the next time report; past this the held
  // packets go at the line's rate (about a minute of a 9600 baud line).
  static constexpr std::size_t kLookAheadBytes = 64 * 1024;

  // Takes the next packet (id first) and appends to `out` the packets whose
  // times are now known, in order.
  void add(std::span<const std::uint8_t> packet, std::vector<TimedFrame>& out);
  // The end of the recording: what is held goes at the line's rate. A
  // packet added afterwards (the recording again) follows at the line's rate.
  void finish(std::vector<TimedFrame>& out);

 private:
  struct Anchor {
    double at;
    double gps;
  };

  void emit(std::vector<std::uint8_t> frame, double at, std::vector<TimedFrame>& out);
  void releaseAtLineRate(std::vector<TimedFrame>& out);
  void spreadUntil(double end, std::vector<TimedFrame>& out);
  double nextLineSlot() const;

  std::deque<std::vector<std::uint8_t>> held_;
  std::size_t heldBytes_ = 0;
  bool started_ = false;
  double lastAt_ = 0;             // time of the last packet out
  std::size_t lastBytes_ = 0;     // and its frame's length
  std::optional<Anchor> anchor_;  // the last time report out
  int timeKind_ = 0;              // the id of the time reports followed; 0 until one is seen
};

}  // namespace navbin::sim

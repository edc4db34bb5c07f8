#pragma once
// Whole frames, exactly as sent, out of a byte stream from a source that is
// not trusted to frame (a network client): DLE, id, payload with its 0x10
// doubled, DLE ETX. Bytes outside a frame are dropped, and so is a frame
// cut short by the next frame's start or longer than the longest frame.

#include <cstdint>
#include <span>
#include <vector>

#include "link/framing.h"

namespace navbin::link {

class FrameCollector {
 public:
  // Takes one byte; true when it ended a frame, which frame() then holds
  // until the next call.
  bool feed(std::uint8_t b);
  std::span<const std::uint8_t> frame() const { return bytes_; }
  // Bytes of the frame begun and not yet ended (0 outside one).
  std::size_t pending() const { return complete_ ? 0 : bytes_.size(); }

 private:
  void restart(std::uint8_t first);

  std::vector<std::uint8_t> bytes_;  // the frame so far, from its DLE
  bool dleSeen_ = false;             // the last byte was a DLE not yet paired
  bool complete_ = false;
};

}  // namespace navbin::link

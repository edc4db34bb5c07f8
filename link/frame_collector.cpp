#include "link/frame_collector.h"

namespace navbin::link {

void FrameCollector::restart(std::uint8_t first) {
  bytes_.clear();
  dleSeen_ = false;
  if (first == kDle) bytes_.push_back(first);
}

bool FrameCollector::feed(std::uint8_t b) {
  if (complete_) {
    complete_ = false;
    bytes_.clear();
  }
  if (bytes_.size() <= 1) {
    // Outside a frame, or after its opening DLE where an id must follow.
    if (bytes_.empty() || b == kDle || b == kEtx) {
      restart(b);
    } else {
      bytes_.push_back(b);
    }
    return false;
  }
  bytes_.push_back(b);
  if (bytes_.size() > kMaxFrameLength) {  // longer than any frame, its end included
    restart(0);
    return false;
  }
  if (dleSeen_) {
    dleSeen_ = false;
    if (b == kEtx) return complete_ = true;
    if (b != kDle) bytes_ = {kDle, b};  // DLE id: the frame so far was cut short
    return false;
  }
  dleSeen_ = b == kDle;
  return false;
}

}  // namespace navbin::link

// Fuzz target: arbitrary bytes from a network client through the frame
// collector. Every frame it yields must be one whole frame as a sender
// builds it (DLE, id, payload with its DLEs doubled, DLE ETX), no longer than
// the longest frame, and made of input bytes in their order.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "link/frame_collector.h"

namespace {

using navbin::link::kDle;
using navbin::link::kEtx;

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "frame collector invariant broken: %s\n", what);
  std::abort();
}

// The frame's packet, unstuffed, rebuilt into a frame equals the frame.
void CheckWhole(std::span<const std::uint8_t> frame) {
  Check(frame.size() >= 4 && frame.size() <= navbin::link::kMaxFrameLength, "frame length");
  Check(frame[0] == kDle && frame[1] != kDle && frame[1] != kEtx, "frame start");
  Check(frame[frame.size() - 2] == kDle && frame.back() == kEtx, "frame end");
  std::vector<std::uint8_t> packet;
  for (std::size_t i = 1; i + 2 < frame.size(); ++i) {
    packet.push_back(frame[i]);
    if (frame[i] == kDle) Check(frame[++i] == kDle && i + 2 < frame.size(), "unpaired DLE");
  }
  std::vector<std::uint8_t> rebuilt(navbin::link::kMaxFrameLength);
  rebuilt.resize(navbin::link::BuildFrame(packet, rebuilt));
  Check(std::vector<std::uint8_t>(frame.begin(), frame.end()) == rebuilt, "frame rebuilt");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  navbin::link::FrameCollector collector;
  std::size_t taken = 0;  // input bytes that ended frames so far
  for (std::size_t i = 0; i < size; ++i) {
    if (!collector.feed(data[i])) continue;
    const auto frame = collector.frame();
    CheckWhole(frame);
    Check(frame.size() <= i + 1 - taken, "frame made of bytes not yet taken");
    Check(std::equal(frame.begin(), frame.end(), data + i + 1 - frame.size()), "frame as sent");
    taken = i + 1;
  }
  return 0;
}

#include "tools/packet_printer.h"

#include <utility>

namespace navbin::tools {

PacketPrinter::PacketPrinter(bool json, bool live, Sink sink)
    : writer_(out_, json), live_(live), sink_(std::move(sink)) {}

void PacketPrinter::feed(const std::uint8_t* data, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (!deframer_.feed(data[i])) continue;
    writer_.packet(deframer_.packetId, deframer_.payload());
    if (out_.size() >= kFlushSize) flush();
  }
  if (live_) flush();
}

void PacketPrinter::flush() {
  if (out_.size() == 0) return;
  sink_(out_.view());
  out_.clear();
}

}  // namespace navbin::tools

#pragma once
// navbin-dump's pipeline: stream bytes in, de-framed packets out as lines,
// collected in one large buffer that goes to the sink when it is full, at
// flush() and, for a live device, after every read.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "link/framing.h"
#include "tools/dump_format.h"

namespace navbin::tools {

class PacketPrinter {
 public:
  using Sink = std::function<void(std::string_view lines)>;

  PacketPrinter(bool json, bool live, Sink sink);
  ~PacketPrinter() { flush(); }
  PacketPrinter(const PacketPrinter&) = delete;
  PacketPrinter& operator=(const PacketPrinter&) = delete;

  void feed(const std::uint8_t* data, std::size_t count);
  void flush();

 private:
  static constexpr std::size_t kFlushSize = 1 << 20;

  link::Deframer deframer_;
  OutputBuffer out_{kFlushSize + (1 << 16)};
  LineWriter writer_;
  bool live_;
  Sink sink_;
};

}  // namespace navbin::tools

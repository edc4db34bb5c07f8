// Fuzz target: arbitrary bytes through PollPort's de-framing loop, in
// arbitrary read sizes, on an in-memory device. Checks that the record never
// leaves its bounds, that the channel finds exactly the packets a plain
// byte-by-byte de-framer finds, and that every packet frames back to itself.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "link/framing.h"
#include "link/serial_channel.h"
#include "platform/memory_serial_device.h"

namespace {

using namespace navbin;

struct Packet {
  int id;
  std::vector<std::uint8_t> payload;
  bool operator==(const Packet&) const = default;
};

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "deframe invariant broken: %s\n", what);
  std::abort();
}

void CheckRecord(const link::PortContext& p) {
  Check(p.packetLen <= link::kFrameBufferSize - 1, "packetLen <= 511");
  Check(p.packetId >= 0 && p.packetId <= 255, "packetId is a byte");
  Check(p.packetId != link::kDle && p.packetId != link::kEtx, "packetId is never DLE or ETX");
  Check(p.frameLen >= 0 && p.frameLen <= static_cast<std::int32_t>(link::kFrameBufferSize),
        "frameLen within the frame buffer");
  Check(p.readPos >= 0 && static_cast<std::size_t>(p.readPos) + p.rxCount <= link::kRxBufferSize,
        "readPos + rxCount within the receive buffer");
}

// Sizes of successive reads, from a small generator seeded by the input.
class Chunks {
 public:
  Chunks(const std::uint8_t* data, std::size_t size)
      : state_(static_cast<std::uint32_t>(size * 2654435761u) ^ (size ? data[0] : 0u)) {
    const std::size_t limits[] = {7, 300, link::kRxBufferSize + 500};
    limit_ = limits[state_ % 3];
  }
  std::size_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return 1 + (state_ >> 8) % limit_;
  }

 private:
  std::uint32_t state_;
  std::size_t limit_;
};

std::vector<Packet> Reference(const std::uint8_t* data, std::size_t size) {
  link::Deframer d;
  std::vector<Packet> packets;
  for (std::size_t i = 0; i < size; ++i) {
    if (d.feed(data[i])) packets.push_back({d.packetId, {d.payload().begin(), d.payload().end()}});
  }
  return packets;
}

void CheckRoundTrip(const Packet& p) {
  std::vector<std::uint8_t> packet{static_cast<std::uint8_t>(p.id)};
  packet.insert(packet.end(), p.payload.begin(), p.payload.end());
  std::uint8_t frame[link::kMaxFrameLength];
  const std::size_t n = link::BuildFrame(packet, frame);
  Check(n == link::FrameLength(packet) && n <= sizeof frame, "frame length");
  link::Deframer d;
  int completions = 0;
  for (std::size_t i = 0; i < n; ++i) completions += d.feed(frame[i]);
  Check(completions == 1 && d.packetId == p.id && d.packetLen == p.payload.size() &&
            std::equal(p.payload.begin(), p.payload.end(), d.frameBuffer.begin()),
        "a packet frames back to itself");
}

// Delivers the input in chunks; in stoppable mode a 0x58 packet sets the
// capture flag, which is cleared again before the next chunk.
std::vector<Packet> ThroughChannel(const std::uint8_t* data, std::size_t size, bool stoppable) {
  platform::MemorySerialBackend backend;
  platform::PortMap map;
  link::SerialChannel channel(backend, map);
  platform::MemoryLine& line = backend.addDevice("fuzz");
  link::PortContext port;
  Check(channel.OpenPort(port, "fuzz", 0) == 0, "open");
  std::vector<Packet> packets;
  const link::PacketHandler handler = [&](link::PortContext& p) {
    Check(!(stoppable && channel.captureFlag), "no handler call after the capture flag");
    CheckRecord(p);
    packets.push_back({p.packetId, {p.payload(), p.payload() + p.packetLen}});
    if (p.packetId == 0x58) channel.captureFlag = true;
  };
  Chunks chunks(data, size);
  for (std::size_t at = 0; at < size;) {
    const std::size_t n = std::min(chunks.next(), size - at);
    line.push(std::span(data + at, n));
    at += n;
    while (line.pendingInput() > 0) {
      Check(channel.PollPort(port, handler, stoppable) == 0, "poll succeeds");
      CheckRecord(port);
      channel.captureFlag = false;
    }
  }
  return packets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto reference = Reference(data, size);
  Check(ThroughChannel(data, size, false) == reference, "channel finds the reference packets");
  for (const Packet& p : reference) CheckRoundTrip(p);
  ThroughChannel(data, size, true);
  return 0;
}

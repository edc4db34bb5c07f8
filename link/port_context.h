#pragma once
// The record of one serial port, and the table of all 16 of them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/serial_device.h"

namespace navbin::link {

inline constexpr int kPortCount = 16;
inline constexpr std::size_t kRxBufferSize = 8192;
inline constexpr std::size_t kFrameBufferSize = 512;

// Per-direction I/O bookkeeping. The device does the actual queueing; these
// count what went through, which tests and the status display read.
struct IoRecord {
  std::uint64_t bytes = 0;
  std::uint64_t calls = 0;
};

// PC-side line settings as the receiver's serial codes.
struct LineSettings {
  std::uint8_t baudCode = 7;      // 0 = 9600, 1 = 110 ... 7 = 9600, 8 = 19200, 9 = 38400
  std::uint8_t dataBitsCode = 3;  // 0 = 5 ... 3 = 8 data bits
  std::uint8_t parityCode = 1;    // 0 none, 1 odd, 2 even
  std::uint8_t stopBitsCode = 0;  // 0 one, 1 (or 2) two stop bits

  bool operator==(const LineSettings&) const = default;
};

struct PortContext {
  std::int32_t readPos = 0;     // next byte of rxBuffer to de-frame
  std::int32_t frameLen = 0;    // payload bytes collected for the packet being received
  std::uint32_t rxCount = 0;    // bytes of rxBuffer not yet de-framed
  std::uint32_t packetLen = 0;  // payload length of the last complete packet
  IoRecord readIo;
  IoRecord writeIo;
  bool dleSeen = false;  // the last byte fed was an unpaired DLE
  bool isOpen = false;
  bool rxActive = false;  // a packet arrived during the previous 2-second period
  bool rxSeen = false;    // a packet arrived during the current 2-second period
  bool monitored = false;
  std::uint32_t portIndex = 0;    // COM number minus 1
  std::int32_t startupState = 0;  // identification countdown, 9 down to 0
  std::unique_ptr<platform::SerialDevice> handle;
  std::int32_t packetId = 0;  // id of the packet being received or last completed
  std::array<std::uint8_t, kRxBufferSize> rxBuffer{};
  std::array<std::uint8_t, kFrameBufferSize> frameBuffer{};

  // Set by PollPort when the device went away while open; cleared by OpenPort.
  bool deviceLost = false;

  // The payload of the last complete packet.
  const std::uint8_t* payload() const { return frameBuffer.data(); }
  // Sub-id of a 0x8E/0x8F packet, -1 for an empty payload.
  int subId() const { return packetLen > 0 ? frameBuffer[0] : -1; }
};

using PortTable = std::array<PortContext, kPortCount>;

}  // namespace navbin::link

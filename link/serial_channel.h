#pragma once
// The channel to the receivers: opens ports exclusively, reads what the
// driver holds without waiting, de-frames it and hands every complete packet
// to a handler, and writes frames without waiting.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "link/port_context.h"
#include "platform/port_map.h"
#include "platform/serial_device.h"

namespace navbin::link {

using PacketHandler = std::function<void(PortContext&)>;

class SerialChannel {
 public:
  SerialChannel(platform::SerialBackend& backend, const platform::PortMap& portMap);

  // Opens the device and makes `port` the record of port `portIndex`, at
  // 9600 baud, 8 data bits, odd parity, 1 stop bit. 0 on success, -1 on failure.
  int OpenPort(PortContext& port, const std::string& deviceName, std::uint32_t portIndex);

  // True when the device of port `portIndex` (COM number minus 1) can be
  // opened now; it is closed again at once.
  bool ProbePort(std::uint32_t portIndex);

  // Closes the port. Returns 0. The de-framer fields stay as they are.
  int ClosePort(PortContext& port);

  // Reads what the driver holds and de-frames it, calling `handler` for each
  // complete packet. In stoppable mode the loop also stops once
  // `captureFlag` is set, dropping the rest of the read. Also flushes queued
  // output. Returns 0, or -1 when the device has gone away (the port then has
  // `deviceLost` set and stays open until the caller closes it).
  int PollPort(PortContext& port, const PacketHandler& handler, bool stoppable);

  // True when the device of COM `com` is there to be opened (a cheap look).
  bool DeviceExists(int com) const;

  // Applies line settings to an open device: 0 on success, -1 when refused.
  int SetLineParameters(platform::SerialDevice& device, std::uint32_t baud, int byteSize,
                        int parity, int stopBits);

  // Frames the packet (`bytes[0]` is the id) and starts its write. Returns 0;
  // -1 when the port is closed, the packet empty or longer than
  // kMaxPacketLength, or the device found gone (deviceLost is then set).
  // A frame the device's output queue cannot take is dropped whole.
  int WriteFrame(std::size_t length, const std::uint8_t* bytes, PortContext& port);

  // Waits up to `timeoutMs` for input on an open port without spinning (for
  // callers that wait for one reply). True when input is waiting.
  bool WaitForInput(PortContext& port, int timeoutMs);

  // Device path of COM number `com` (the system's "\\.\COM%d").
  std::string DeviceName(int com) const { return portMap_.devicePath(com); }

  // Why the last OpenPort or ProbePort failed.
  platform::OpenError lastOpenError() const { return backend_.lastError(); }

  // Set and cleared by the almanac and ephemeris transfer; stops a stoppable poll.
  bool captureFlag = false;

 private:
  platform::SerialBackend& backend_;
  const platform::PortMap& portMap_;
};

}  // namespace navbin::link

#pragma once
// A send path over in-memory ports COM1..COM16 that records every write, with
// its COM number, in the order it happened across all ports.

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "platform/memory_serial_device.h"
#include "protocol/commands/packet_sender.h"
#include "tests/support/fake_device.h"
#include "tests/support/packets.h"

namespace navbin::commands::testing {

using support::Bytes;

struct Write {
  int com;
  Bytes frame;
};

inline std::string MemoryPath(int com) {
  return "/dev/ttyMEM" + std::to_string(com);
}

struct SenderFixture {
  SenderFixture() {
    for (int com = 1; com <= link::kPortCount; ++com) {
      portMap.assign(com, MemoryPath(com));
      memory.addDevice(MemoryPath(com));
    }
    shell.displayPort = 1;
    sender.setTransmitLampHook([this] { ++lampPaints; });
  }

  void open(int com) { ASSERT_EQ(channel.OpenPort(ports[com - 1], MemoryPath(com), com - 1), 0); }
  std::vector<int> writtenComs() const {
    std::vector<int> coms;
    for (const Write& w : writes) coms.push_back(w.com);
    return coms;
  }

  platform::PortMap portMap;
  platform::MemorySerialBackend memory;
  std::vector<Write> writes;
  support::FakeBackend backend{
      &memory, [this](const std::string& path, std::span<const std::uint8_t> frame) {
        writes.push_back({portMap.comOf(path), {frame.begin(), frame.end()}});
      }};
  link::SerialChannel channel{backend, portMap};
  link::PortTable ports;
  link::PortSelection shell;
  std::array<std::uint8_t, link::kPortCount> logTrigger{};
  PacketSender sender{channel, ports, shell, logTrigger};
  int lampPaints = 0;
};

}  // namespace navbin::commands::testing

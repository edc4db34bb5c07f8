#pragma once
// A send path over in-memory ports COM1..COM16 that records every write, with
// its COM number, in the order it happened across all ports.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/port_selection.h"
#include "link/serial_channel.h"
#include "platform/memory_serial_device.h"
#include "protocol/commands/packet_sender.h"
#include "tests/support/packets.h"

namespace navbin::commands::testing {

using support::Bytes;

struct Write {
  int com;
  Bytes frame;
};

class LoggingBackend final : public platform::SerialBackend {
 public:
  explicit LoggingBackend(const platform::PortMap& map) : map_(map) {}
  std::unique_ptr<platform::SerialDevice> open(const std::string& path) override {
    auto device = memory.open(path);
    if (!device) return nullptr;
    return std::make_unique<Device>(std::move(device), map_.comOf(path), writes);
  }
  platform::OpenError lastError() const override { return memory.lastError(); }

  platform::MemorySerialBackend memory;
  std::vector<Write> writes;

 private:
  const platform::PortMap& map_;
  class Device final : public platform::SerialDevice {
   public:
    Device(std::unique_ptr<platform::SerialDevice> inner, int com, std::vector<Write>& log)
        : inner_(std::move(inner)), com_(com), log_(log) {}
    long pendingInput() override { return inner_->pendingInput(); }
    long read(std::uint8_t* buffer, std::size_t max) override { return inner_->read(buffer, max); }
    bool write(const std::uint8_t* frame, std::size_t length) override {
      log_.push_back({com_, {frame, frame + length}});
      return inner_->write(frame, length);
    }
    void flushOutput() override { inner_->flushOutput(); }
    bool setLineParameters(const platform::LineParameters& l) override {
      return inner_->setLineParameters(l);
    }
    void purge() override { inner_->purge(); }
    bool lost() const override { return inner_->lost(); }

   private:
    std::unique_ptr<platform::SerialDevice> inner_;
    int com_;
    std::vector<Write>& log_;
  };
};

inline std::string MemoryPath(int com) {
  return "/dev/ttyMEM" + std::to_string(com);
}

struct SenderFixture {
  SenderFixture() {
    for (int com = 1; com <= link::kPortCount; ++com) {
      portMap.assign(com, MemoryPath(com));
      backend.memory.addDevice(MemoryPath(com));
    }
    shell.displayPort = 1;
    sender.setTransmitLampHook([this] { ++lampPaints; });
  }

  void open(int com) { ASSERT_EQ(channel.OpenPort(ports[com - 1], MemoryPath(com), com - 1), 0); }
  std::vector<int> writtenComs() const {
    std::vector<int> coms;
    for (const Write& w : backend.writes) coms.push_back(w.com);
    return coms;
  }

  platform::PortMap portMap;
  LoggingBackend backend{portMap};
  link::SerialChannel channel{backend, portMap};
  link::PortTable ports;
  link::PortSelection shell;
  std::array<std::uint8_t, link::kPortCount> logTrigger{};
  PacketSender sender{channel, ports, shell, logTrigger};
  int lampPaints = 0;
};

}  // namespace navbin::commands::testing

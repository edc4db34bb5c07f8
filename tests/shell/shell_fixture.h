#pragma once
// The Qt-free core of the application over in-memory ports COM1..COM16, with
// a recording display and a scripted prompter.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/monitor_core.h"
#include "link/framing.h"
#include "platform/memory_serial_device.h"
#include "tests/shell/recording_display.h"
#include "tests/shell/scripted_prompter.h"

namespace navbin::shell_testing {

using Bytes = std::vector<std::uint8_t>;

class FixedClock final : public platform::SystemClock {
 public:
  platform::CalendarTime nowUtc() const override { return {}; }
  bool setUtc(const platform::CalendarTime&) override { return false; }
};

inline std::string MemoryPath(int com) {
  return "/dev/ttyMEM" + std::to_string(com);
}

class ShellFixture {
 public:
  ShellFixture() {
    for (int com = 1; com <= link::kPortCount; ++com) {
      core.portMap.assign(com, MemoryPath(com));
      backend.addDevice(MemoryPath(com));
      core.shell.portList[com - 1] = com;
    }
    core.shell.portListCount = link::kPortCount;
  }

  platform::MemoryLine& line(int com) { return *backend.line(MemoryPath(com)); }
  link::PortContext& port(int com) { return core.ports[com - 1]; }

  // Opens COM `com` as the display port at start-up: countdown 7.
  void openDisplayPort(int com, int startupState = 7) {
    core.shell.displayPort = com;
    ASSERT_EQ(core.channel.OpenPort(port(com), core.channel.DeviceName(com), com - 1), 0);
    port(com).startupState = startupState;
  }
  // Opens another port as the multi-port commands do, already identified.
  void openIdentified(int com, bool monitored = true) {
    ASSERT_EQ(core.multiPort.openOnePort(com), 0);
    port(com).startupState = 0;
    port(com).monitored = monitored;
  }

  void tick(int count = 1) {
    for (int i = 0; i < count; ++i) core.cycle.NavBinTimer();
  }

  // The receiver on COM `com` sends `packet` (id first).
  void receive(int com, const Bytes& packet) {
    Bytes frame(link::FrameLength(packet));
    frame.resize(link::BuildFrame(packet, frame));
    line(com).push(frame);
  }

  // Packets (id first) written to COM `com` since the last call; clears them.
  std::vector<Bytes> takeSent(int com) {
    std::vector<Bytes> packets;
    link::Deframer deframer;
    for (const Bytes& frame : line(com).frames()) {
      for (std::uint8_t b : frame) {
        if (deframer.feed(b) == 1) {
          Bytes packet{static_cast<std::uint8_t>(deframer.packetId)};
          const auto payload = deframer.payload();
          packet.insert(packet.end(), payload.begin(), payload.end());
          packets.push_back(packet);
        }
      }
    }
    line(com).clearWritten();
    return packets;
  }
  bool nothingSentAnywhere() {
    for (int com = 1; com <= link::kPortCount; ++com) {
      if (!line(com).frames().empty()) return false;
    }
    return true;
  }

  platform::MemorySerialBackend backend;
  RecordingDisplay display;
  ScriptedPrompter prompter;
  FixedClock clock;
  app::MonitorCore core{backend, display, prompter, clock};
};

}  // namespace navbin::shell_testing

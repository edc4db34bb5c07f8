#pragma once
// The Qt-free core of the application over in-memory ports COM1..COM16, with
// the shared recording display and scripted prompter.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memory_serial_device.h"
#include "protocol/commands/encoders.h"
#include "shell/monitor_core.h"
#include "tests/support/fakes.h"
#include "tests/support/packets.h"

namespace navbin::shell_testing {

using reports::Colour;
using support::Bytes;
namespace cmd = commands;

inline const std::vector<Bytes> kIdentification = {
    cmd::BuildRequestDgpsMode().toVector(), cmd::BuildRequestIoOptions().toVector(),
    cmd::BuildRequestDatum().toVector(), cmd::BuildRequestGpsTime().toVector()};

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
  Colour lamp(int com) const { return display.main("Panel_MonCom" + std::to_string(com)).colour; }
  // The COM numbers whose port is open / monitored / whose lamp shows `colour`.
  template <class Pred>
  std::vector<int> coms(Pred pred) {
    std::vector<int> found;
    for (int com = 1; com <= link::kPortCount; ++com) {
      if (pred(com)) found.push_back(com);
    }
    return found;
  }
  std::vector<int> openComs() {
    return coms([this](int c) { return port(c).isOpen; });
  }
  std::vector<int> monitoredComs() {
    return coms([this](int c) { return port(c).monitored; });
  }
  std::vector<int> lampsOf(Colour colour) {
    return coms([&](int c) { return lamp(c) == colour; });
  }

  // Opens COM `com` as the display port with the start-up countdown given.
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
  void listPorts(const std::vector<int>& coms) {
    core.shell.portList = {};
    std::copy(coms.begin(), coms.end(), core.shell.portList.begin());
    core.shell.portListCount = static_cast<int>(coms.size());
  }

  void tick(int count = 1) {
    for (int i = 0; i < count; ++i) core.cycle.NavBinTimer();
  }
  // The receiver on COM `com` sends `packet` (id first).
  void receive(int com, const Bytes& packet) { line(com).push(support::Frame(packet)); }
  // Packets (id first) written to COM `com` since the last call.
  std::vector<Bytes> takeSent(int com) {
    std::vector<Bytes> packets;
    for (const Bytes& frame : line(com).frames()) {
      for (const auto& p : support::Deframe(frame)) {
        packets.push_back({static_cast<std::uint8_t>(p.id)});
        packets.back().insert(packets.back().end(), p.payload.begin(), p.payload.end());
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
  support::FakeDisplay display;
  support::ScriptedPrompter prompter;
  support::FakeClock clock;
  shell::MonitorCore core{backend, display, prompter, clock};
};

}  // namespace navbin::shell_testing

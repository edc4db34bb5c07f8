#pragma once
// The two logs over the shared fakes, wired to a dispatcher as the monitor
// core wires them, writing into a fresh folder. COM1 is the display port.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "logging/data_log.h"
#include "logging/log_panels.h"
#include "logging/position_log.h"
#include "logging/raw_log.h"
#include "protocol/receiver/dispatcher.h"
#include "tests/support/fakes.h"
#include "tests/support/packets.h"

namespace navbin::logging::test {

using reports::Colour;
using reports::Form;
using support::Bytes;

class LogTest : public ::testing::Test {
 protected:
  LogTest() {
    char pattern[] = "/tmp/navbin-logs-XXXXXX";
    folder = ::mkdtemp(pattern);
    shell.displayPort = 1;
    for (std::size_t i = 0; i < ports.size(); ++i) {
      ports[i].portIndex = static_cast<std::uint32_t>(i);
      ports[i].isOpen = true;
    }
    link.writeDataRecord = [this](int port) { dataLog.writeDataRecord(port); };
    AddPositionLogSteps(dispatcher, link);
    dispatcher.setRawPacketWriter(
        [this](int id, const std::uint8_t* p, std::size_t n) { rawLog.writeRawPacket(id, p, n); });
  }
  ~LogTest() override { std::filesystem::remove_all(folder); }

  void deliver(int portIndex, int id, const Bytes& payload) {
    link::PortContext& port = ports[static_cast<std::size_t>(portIndex)];
    std::copy(payload.begin(), payload.end(), port.frameBuffer.begin());
    port.packetId = id;
    port.packetLen = static_cast<std::uint32_t>(payload.size());
    dispatcher.dispatchReport(port);
  }

  std::string path(const std::string& name) const { return folder + "/" + name; }
  static std::string Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void WriteFile(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
  const support::ControlState& main(std::string_view c) const { return display.main(c); }
  const support::ControlState& log(std::string_view c) const { return display.get(Form::Log, c); }

  std::string folder;
  reports::ReportState state;
  link::PortSelection shell;
  link::PortTable ports;
  support::FakeDisplay display;
  support::ScriptedPrompter prompter;
  support::FakeClock clock;
  logging::DataLogLink link;
  reports::ReportDispatcher dispatcher{
      reports::DecoderContext{state, shell, display, prompter, clock}};
  DataLog dataLog{state, ports, shell, link, display, prompter};
  RawLog rawLog{state.globals, link, display, prompter};
};

}  // namespace navbin::logging::test

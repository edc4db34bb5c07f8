#pragma once
// A fresh report layer around the fakes: 16 ports, COM1 the display port.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "link/field_codec.h"
#include "link/port_context.h"
#include "link/shell_globals.h"
#include "protocol/reports/data_log_link.h"
#include "protocol/reports/dispatcher.h"
#include "protocol/reports/receiver_state.h"
#include "tests/reports/fakes.h"

namespace navbin::reports::test {

// A payload built field by field, big-endian like the receiver sends it.
class Payload {
 public:
  Payload& u8(int v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  Payload& u16(int v) {
    u8(v >> 8);
    return u8(v);
  }
  Payload& single(float v) {
    std::uint8_t b[4];
    link::PutSingle(v, b);
    bytes_.insert(bytes_.end(), b, b + 4);
    return *this;
  }
  Payload& dbl(double v) {
    std::uint8_t b[8];
    link::PutDouble(v, b);
    bytes_.insert(bytes_.end(), b, b + 8);
    return *this;
  }
  Payload& zeros(int n) {
    bytes_.insert(bytes_.end(), static_cast<std::size_t>(n), 0);
    return *this;
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  operator const std::vector<std::uint8_t>&() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

class ReportTest : public ::testing::Test {
 protected:
  ReportTest() : dispatcher(DecoderContext{state, shell, display, prompter, dataLog, clock}) {
    shell.displayPort = 1;
    for (std::size_t i = 0; i < ports.size(); ++i) {
      ports[i].portIndex = static_cast<std::uint32_t>(i);
      ports[i].isOpen = true;
    }
    dataLog.writeDataRecord = [this](int portIndex) { records.push_back(portIndex); };
  }

  // Puts the packet in the port's frame buffer as the de-framer would and
  // hands it to the dispatcher.
  void deliver(int portIndex, int id, const std::vector<std::uint8_t>& payload) {
    link::PortContext& port = ports[static_cast<std::size_t>(portIndex)];
    ASSERT_LE(payload.size(), port.frameBuffer.size());
    if (!payload.empty()) std::memcpy(port.frameBuffer.data(), payload.data(), payload.size());
    port.packetId = id;
    port.packetLen = static_cast<std::uint32_t>(payload.size());
    dispatcher.dispatchReport(port);
  }
  void deliver(int id, const std::vector<std::uint8_t>& payload) { deliver(0, id, payload); }

  std::string text(Form f, std::string_view c) const { return display.text(f, c); }
  std::string mainText(std::string_view c) const { return display.text(Form::Main, c); }
  Colour mainColour(std::string_view c) const { return display.colour(Form::Main, c); }

  ReportState state;
  link::ShellGlobals shell;
  FakeDisplay display;
  FakePrompter prompter;
  DataLogLink dataLog;
  FakeClock clock;
  ReportDispatcher dispatcher;
  link::PortTable ports;
  std::vector<int> records;  // port indexes writeDataRecord was called for
};

}  // namespace navbin::reports::test

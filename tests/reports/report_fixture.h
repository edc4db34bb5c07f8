#pragma once
// A fresh report layer around the shared fakes: 16 open ports, COM1 the
// display port.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "link/port_context.h"
#include "link/port_selection.h"
#include "protocol/presentation/control_names.h"
#include "protocol/receiver/dispatcher.h"
#include "protocol/receiver/receiver_state.h"
#include "shell/report_wiring.h"
#include "tests/support/fakes.h"
#include "tests/support/packets.h"

namespace navbin::reports::test {

using namespace names;
using logging::DataLogLink;
using support::Bytes;
using support::Payload;

class ReportTest : public ::testing::Test {
 protected:
  ReportTest() : dispatcher(DecoderContext{state, shell, display, prompter, clock}) {
    shell.displayPort = 1;
    for (std::size_t i = 0; i < ports.size(); ++i) {
      ports[i].portIndex = static_cast<std::uint32_t>(i);
      ports[i].isOpen = true;
    }
    dataLog.writeDataRecord = [this](int portIndex) { records.push_back(portIndex); };
    shell::WireReportSteps(dispatcher, dataLog);
  }

  // Puts the packet in the port's frame buffer as the de-framer would and
  // hands it to the dispatcher.
  void deliver(int portIndex, int id, const Bytes& payload) {
    link::PortContext& port = ports[static_cast<std::size_t>(portIndex)];
    ASSERT_LE(payload.size(), port.frameBuffer.size());
    std::copy(payload.begin(), payload.end(), port.frameBuffer.begin());
    port.packetId = id;
    port.packetLen = static_cast<std::uint32_t>(payload.size());
    dispatcher.dispatchReport(port);
  }
  void deliver(int id, const Bytes& payload) { deliver(0, id, payload); }

  std::string text(Form f, support::Named c) const { return display.text(f, c); }
  std::string mainText(support::Named c) const { return display.text(Form::Main, c); }
  Colour mainColour(support::Named c) const { return display.colour(Form::Main, c); }
  // The texts of the named controls, to compare with a list.
  using Strings = std::vector<std::string>;
  Strings texts(Form form, std::initializer_list<support::Named> controls) const {
    Strings all;
    for (auto c : controls) all.push_back(text(form, c));
    return all;
  }
  Strings mainTexts(std::initializer_list<support::Named> controls) const {
    return texts(Form::Main, controls);
  }
  // Only the receive lamp was written.
  void expectOnlyTheLamp() const {
    EXPECT_EQ(display.written(),
              (std::set<support::FakeDisplay::Key>{{Form::Main, std::string(Shape_RxLED.text())}}));
  }

  ReportState state;
  link::PortSelection shell;
  support::FakeDisplay display;
  support::ScriptedPrompter prompter;
  DataLogLink dataLog;
  support::FakeClock clock;
  ReportDispatcher dispatcher;
  link::PortTable ports;
  std::vector<int> records;  // port indexes writeDataRecord was called for
};

}  // namespace navbin::reports::test

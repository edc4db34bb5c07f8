// Every id and sub-id, every payload length up to the de-framer's longest, and
// payloads built to be hostile (NaN, infinities, the largest floats, all-ones
// bytes, random bytes) reach the decoders on the display port and on a
// monitored port with every pending flag set. Nothing may crash or read past
// the payload (the sanitizer build checks that), and the texts stay defined.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "link/framing.h"
#include "link/port_context.h"
#include "link/port_selection.h"
#include "protocol/presentation/control_names.h"
#include "protocol/receiver/age_channels.h"
#include "protocol/receiver/dispatcher.h"
#include "protocol/wire/report_fields.h"
#include "shell/report_wiring.h"
#include "tests/support/fakes.h"

namespace navbin::reports {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A payload of `length` bytes repeating `pattern`.
Bytes Repeat(std::initializer_list<std::uint8_t> pattern, std::size_t length) {
  Bytes bytes;
  while (bytes.size() < length) {
    for (std::uint8_t b : pattern) {
      if (bytes.size() < length) bytes.push_back(b);
    }
  }
  return bytes;
}

std::vector<Bytes> HostilePayloads(std::size_t length, std::mt19937& random) {
  Bytes noise(length);
  for (auto& b : noise) b = static_cast<std::uint8_t>(random());
  return {
      Repeat({0xFF}, length),                    // NaN singles and doubles, -1 integers
      Repeat({0x7F, 0xC0, 0x00, 0x00}, length),  // quiet NaN singles
      Repeat({0x7F, 0x80, 0x00, 0x00}, length),  // +infinity singles
      Repeat({0xFF, 0x80, 0x00, 0x00}, length),  // -infinity singles
      Repeat({0x7F, 0x7F, 0xFF, 0xFF}, length),  // the largest singles
      Repeat({0x7F, 0xEF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, length),  // the largest doubles
      Repeat({0xFF, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, length),  // -infinity doubles
      Repeat({0x10}, length),
      noise,
  };
}

class HostilePayloadTest : public ::testing::Test {
 protected:
  HostilePayloadTest()
      : ports(std::make_unique<link::PortTable>()),
        dispatcher(DecoderContext{state, shell, display, prompter, clock}) {
    shell.displayPort = 1;
    for (std::size_t i = 0; i < ports->size(); ++i) {
      (*ports)[i].portIndex = static_cast<std::uint32_t>(i);
      (*ports)[i].isOpen = true;
      (*ports)[i].monitored = true;
    }
    display.at(Form::Log, names::CheckBox_Bias).checked = true;  // the bias warning may come
    dataLog.writeDataRecord = [this](int) { ++records; };
    shell::WireReportSteps(dispatcher, dataLog);
  }

  void deliver(std::size_t portIndex, int id, const Bytes& payload) {
    link::PortContext& port = (*ports)[portIndex];
    std::copy(payload.begin(), payload.end(), port.frameBuffer.begin());
    port.packetId = id;
    port.packetLen = static_cast<std::uint32_t>(payload.size());
    state.globals.setClockPending = 1;
    state.globals.downloadPositionPending = 1;
    state.globals.deltaReferenceSet = 0;
    state.globals.rawLogActive = 1;
    dispatcher.dispatchReport(port);
  }

  ReportState state;
  link::PortSelection shell;
  support::FakeDisplay display;
  support::ScriptedPrompter prompter;  // cancels every file choice
  logging::DataLogLink dataLog;
  support::FakeClock clock;
  std::unique_ptr<link::PortTable> ports;
  ReportDispatcher dispatcher;
  int records = 0;
};

TEST_F(HostilePayloadTest, EveryReportOfEveryLengthIsTakenSafely) {
  std::mt19937 random(7);
  std::size_t rawPackets = 0;
  dispatcher.setRawPacketWriter([&](int, const std::uint8_t*, std::size_t) { ++rawPackets; });
  std::size_t delivered = 0;
  for (int id = 0; id < 256; ++id) {
    if (id == link::kDle || id == link::kEtx) continue;  // never an id on the wire
    for (std::size_t length = 0; length < link::kFrameBufferSize; ++length) {
      // Every length up to 40 (the longest report is 36 bytes), then a sparse
      // walk to the longest payload.
      if (length > 40 && length % 53 != 0 && length != link::kFrameBufferSize - 1) continue;
      for (Bytes payload : HostilePayloads(length, random)) {
        if ((id == 0x8E || id == 0x8F) && !payload.empty()) {
          payload[0] = static_cast<std::uint8_t>(random());  // any sub-id
        }
        deliver(0, id, payload);  // the display port
        deliver(5, id, payload);  // a monitored port
        ageChannels(dispatcher.context());
        for (const ReportField& field : DescribeReport(id, payload)) {
          EXPECT_FALSE(field.name.empty());
        }
        delivered += 2;
      }
    }
  }
  // Only display-port packets reach the raw log.
  EXPECT_EQ(rawPackets, delivered / 2);
  // The clock was only ever set to a real calendar time.
  for (const platform::CalendarTime& t : clock.set) {
    EXPECT_GE(t.year, 1980);
    EXPECT_LE(t.year, 9999);
    EXPECT_GE(t.month, 1);
    EXPECT_LE(t.month, 12);
    EXPECT_GE(t.hour, 0);
    EXPECT_LE(t.hour, 23);
  }
}

TEST_F(HostilePayloadTest, NonFiniteFixesShowDefinedTexts) {
  // A position of infinities and NaNs, then GPS time and a fix report of NaNs.
  deliver(0, 0x4A, Bytes(20, 0xFF));
  deliver(0, 0x84, Repeat({0x7F, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 36));
  EXPECT_EQ(display.main(names::Panel_LatDeg).text, "inf\xC2\xB0");
  deliver(0, 0x41, Bytes(10, 0xFF));
  EXPECT_EQ(display.main(names::Panel_Date).text, "<Bad date>");
  EXPECT_TRUE(clock.set.empty());
  ASSERT_FALSE(prompter.boxes.empty());
  EXPECT_EQ(prompter.boxes.back().caption, "Time set failure.");
  deliver(0, 0x5C, Bytes(24, 0xFF));  // channel 31: no such row
  EXPECT_EQ(state.globals.channelAge, (std::array<std::int32_t, kChannelCount>{}));
}

}  // namespace
}  // namespace navbin::reports

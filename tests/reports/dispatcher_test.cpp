// Routing of packets by port role and id, the receive lamp and the raw log.

#include <set>

#include "protocol/receiver/dispatch_table.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

const Bytes kGpsTime = Payload().single(345600.0f).u16(1200).single(13.0f);
const Bytes kXyz = Payload().single(1.0f).single(2.0f).single(3.0f).single(100.0f);

class DispatcherTest : public ReportTest {};

TEST_F(DispatcherTest, PortRolesDecideWhatAPacketReaches) {
  struct Case {
    const char* what;
    bool open, monitored;
    int id;
    bool rxSeen, decoded;
  };
  const Case cases[] = {
      {"0x41 on a monitored other port", true, true, 0x41, true, false},
      {"0x42 on a port neither monitored nor displayed", true, false, 0x42, true, false},
      {"0x42 on a closed port", false, true, 0x42, false, false},
      {"0x42 on a monitored port, into its own state", true, true, 0x42, true, true},
      {"0x8F-AB on a monitored port", true, true, 0x8F, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ports[4] = {};
    ports[4].portIndex = 4;
    ports[4].isOpen = c.open;
    ports[4].monitored = c.monitored;
    state = {};
    state.receivers[4].position.x = 7;
    deliver(4, c.id, c.id == 0x41 ? kGpsTime : c.id == 0x42 ? kXyz : Payload().u8(0xAB).zeros(16));
    EXPECT_EQ(ports[4].rxSeen, c.rxSeen);
    EXPECT_EQ(state.receivers[4].position.x, c.decoded ? 1.0 : 7.0);
    EXPECT_EQ(state.receivers[0].position.x, 0.0);
    EXPECT_EQ(state.globals.gpsTime, 0.0);
    EXPECT_EQ(display.writes(), 0);
  }
}

TEST(DispatchTable, HoldsExactlyTheDecodedReportsAndNothingOutsideAByte) {
  const std::set<int> monitored = {0x42, 0x43, 0x46, 0x4A, 0x4B, 0x56,
                                   0x5C, 0x6D, 0x7F, 0x82, 0x83, 0x84};
  const std::set<int> displayed = {0x41, 0x45, 0x4E, 0x55, 0x70, 0x89, 0xBB, 0xBC};
  // 0x8F-26 belongs to the monitored group, 0x8F-AB to the display group only.
  const std::set<int> monitoredSub = {0x26, 0x4A};
  const std::set<int> displayedSub = {0x15, 0x4E, 0xA5, 0xA9, 0xAB, 0xAC};
  for (int id = 0; id < 256; ++id) {
    const int sub = id;
    if (id != 0x8F) {
      EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, id, -1) != nullptr, monitored.count(id) == 1)
          << std::hex << id;
      EXPECT_EQ(lookupDecoder(DecoderGroup::Display, id, -1) != nullptr, displayed.count(id) == 1)
          << std::hex << id;
    }
    EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, 0x8F, sub) != nullptr,
              monitoredSub.count(sub) == 1)
        << std::hex << sub;
    EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, sub) != nullptr,
              displayedSub.count(sub) == 1)
        << std::hex << sub;
  }
  EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, -1, -1), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, 0x142, -1), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, -1), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, 0x1AB), nullptr);
}

TEST_F(DispatcherTest, SuperPacketWithoutSubIdAndIdsPastAByteAreDropped) {
  deliver(0, 0x8F, {});
  deliver(0, 0x142, kXyz);
  EXPECT_EQ(state.receivers[0].position.x, 0.0);
}

TEST_F(DispatcherTest, RawLogTakesEveryDisplayPortPacketOnly) {
  std::vector<support::Packet> raw;
  dispatcher.setRawPacketWriter([&](int id, const std::uint8_t* p, std::size_t n) {
    raw.push_back({id, {p, p + n}});
  });
  state.globals.rawLogActive = 1;
  ports[1].monitored = true;
  deliver(0, 0x5F, Payload().u8(1).u8(2));  // no decoder
  deliver(1, 0x5F, Payload().u8(3));
  deliver(0, 0x42, kXyz);
  EXPECT_EQ(raw, (std::vector<support::Packet>{{0x5F, {1, 2}}, {0x42, kXyz}}));
  state.globals.rawLogActive = 0;
  deliver(0, 0x5F, Payload().u8(1));
  EXPECT_EQ(raw.size(), 2u);
}

TEST_F(DispatcherTest, ReceiveLampLightsForDisplayPortPacketsOnly) {
  ports[1].monitored = true;
  display.at(Form::Main, Shape_RxLED).colour = Colour::Gray;
  deliver(1, 0x42, kXyz);
  EXPECT_EQ(mainColour(Shape_RxLED), Colour::Gray);
  deliver(0, 0x5F, {});  // even a packet nobody decodes
  EXPECT_EQ(mainColour(Shape_RxLED), Colour::Lime);
}

TEST_F(DispatcherTest, DisplayPortFollowsTheShellSetting) {
  shell.displayPort = 7;
  deliver(6, 0x41, kGpsTime);
  EXPECT_EQ(state.globals.gpsTime, 726105600.0);
  deliver(0, 0x41, Payload().single(0).u16(1).single(0));
  EXPECT_EQ(state.globals.gpsTime, 726105600.0);
}

}  // namespace
}  // namespace navbin::reports::test

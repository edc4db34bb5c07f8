// Routing of packets by port role and id, the receive lamp and the raw log.

#include <set>

#include "protocol/reports/control_names.h"
#include "protocol/reports/dispatch_table.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

struct RawPacket {
  int id;
  std::vector<std::uint8_t> payload;
};

class DispatcherTest : public ReportTest {
 protected:
  DispatcherTest() {
    dispatcher.setRawPacketWriter([this](int id, const std::uint8_t* p, std::size_t n) {
      raw.push_back({id, {p, p + n}});
    });
  }
  std::vector<RawPacket> raw;
};

std::vector<std::uint8_t> GpsTimePayload() {
  return Payload().single(345600.0f).u16(1200).single(13.0f);
}

std::vector<std::uint8_t> XyzPayload() {
  return Payload().single(1.0f).single(2.0f).single(3.0f).single(100.0f);
}

TEST_F(DispatcherTest, GpsTimeOnMonitoredOtherPortOnlyMarksActivity) {
  ports[2].monitored = true;
  deliver(2, 0x41, GpsTimePayload());
  EXPECT_TRUE(ports[2].rxSeen);
  EXPECT_EQ(state.globals.gpsTime, 0.0);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(DispatcherTest, PortNeitherMonitoredNorDisplayedOnlyMarksActivity) {
  state.receivers[4].position.x = 7;
  deliver(4, 0x42, XyzPayload());
  EXPECT_TRUE(ports[4].rxSeen);
  EXPECT_EQ(state.receivers[4].position.x, 7.0);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(DispatcherTest, ClosedPortIsIgnoredEntirely) {
  ports[0].isOpen = false;
  deliver(0, 0x42, XyzPayload());
  EXPECT_FALSE(ports[0].rxSeen);
  EXPECT_EQ(state.receivers[0].position.x, 0.0);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(DispatcherTest, MonitoredPortDecodesIntoItsOwnStateWithoutDisplay) {
  ports[5].monitored = true;
  deliver(5, 0x42, XyzPayload());
  EXPECT_EQ(state.receivers[5].position.z, 3.0);
  EXPECT_EQ(state.receivers[0].position.z, 0.0);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(DispatcherTest, SuperPacketsRouteBySubIdAndGroup) {
  // 0x8F-26 belongs to the monitored group, 0x8F-AB to the display group only.
  EXPECT_NE(lookupDecoder(DecoderGroup::Monitored, 0x8F, 0x26), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, 0x26), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, 0x8F, 0xAB), nullptr);
  EXPECT_NE(lookupDecoder(DecoderGroup::Display, 0x8F, 0xAB), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, 0x20), nullptr);

  ports[3].monitored = true;
  deliver(3, 0x8F, Payload().u8(0xAB).zeros(16));
  EXPECT_TRUE(ports[3].rxSeen);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(DispatcherTest, TablesHoldExactlyTheDecodedReports) {
  const std::set<int> monitored = {0x42, 0x43, 0x46, 0x4A, 0x4B, 0x56,
                                   0x5C, 0x6D, 0x7F, 0x82, 0x83, 0x84};
  const std::set<int> displayed = {0x41, 0x45, 0x4E, 0x55, 0x70, 0x89, 0xBB, 0xBC};
  const std::set<int> monitoredSub = {0x26, 0x4A};
  const std::set<int> displayedSub = {0x15, 0x4E, 0xA5, 0xA9, 0xAB, 0xAC};
  for (int id = 0; id < 256; ++id) {
    if (id == 0x8F) continue;
    EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, id, -1) != nullptr, monitored.count(id) == 1)
        << std::hex << id;
    EXPECT_EQ(lookupDecoder(DecoderGroup::Display, id, -1) != nullptr, displayed.count(id) == 1)
        << std::hex << id;
  }
  for (int sub = 0; sub < 256; ++sub) {
    EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, 0x8F, sub) != nullptr,
              monitoredSub.count(sub) == 1)
        << std::hex << sub;
    EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, sub) != nullptr,
              displayedSub.count(sub) == 1)
        << std::hex << sub;
  }
}

TEST_F(DispatcherTest, IdsAndSubIdsOutsideAByteHaveNoDecoder) {
  EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, -1, -1), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Monitored, 0x142, -1), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, -1), nullptr);
  EXPECT_EQ(lookupDecoder(DecoderGroup::Display, 0x8F, 0x1AB), nullptr);
  deliver(0, 0x8F, {});  // a super-packet without its sub-id is dropped
  deliver(0, 0x142, XyzPayload());
  EXPECT_EQ(state.receivers[0].position.x, 0.0);
}

TEST_F(DispatcherTest, RawLogTakesEveryDisplayPortPacketOnly) {
  state.globals.rawLogActive = 1;
  ports[1].monitored = true;
  deliver(0, 0x5F, Payload().u8(1).u8(2));
  deliver(1, 0x5F, Payload().u8(3));
  deliver(0, 0x42, XyzPayload());
  ASSERT_EQ(raw.size(), 2u);
  EXPECT_EQ(raw[0].id, 0x5F);
  EXPECT_EQ(raw[0].payload, (std::vector<std::uint8_t>{1, 2}));
  EXPECT_EQ(raw[1].id, 0x42);
  EXPECT_EQ(raw[1].payload, XyzPayload());

  state.globals.rawLogActive = 0;
  deliver(0, 0x5F, Payload().u8(1));
  EXPECT_EQ(raw.size(), 2u);
}

TEST_F(DispatcherTest, ReceiveLampLightsForDisplayPortPacketsOnly) {
  ports[1].monitored = true;
  display.at(Form::Main, names::Shape_RxLED).colour = Colour::Gray;
  deliver(1, 0x42, XyzPayload());
  EXPECT_EQ(mainColour(names::Shape_RxLED), Colour::Gray);
  deliver(0, 0x5F, {});  // even a packet nobody decodes
  EXPECT_EQ(mainColour(names::Shape_RxLED), Colour::Lime);
}

TEST_F(DispatcherTest, DisplayPortFollowsTheShellSetting) {
  shell.displayPort = 7;
  deliver(6, 0x41, GpsTimePayload());
  EXPECT_EQ(state.globals.gpsTime, 726105600.0);
  deliver(0, 0x41, Payload().single(0).u16(1).single(0));
  EXPECT_EQ(state.globals.gpsTime, 726105600.0);
}

}  // namespace
}  // namespace navbin::reports::test

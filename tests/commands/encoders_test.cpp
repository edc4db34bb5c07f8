#include "protocol/commands/encoders.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/commands/sender_fixture.h"

namespace navbin::commands {
namespace {

using support::Bytes;

TEST(Encoders, EveryCommandHasItsExactBytes) {
  NavTxt navTxt;
  navTxt.flags = 0x13;
  navTxt.topOfHourOffset = 0x0102;
  navTxt.periods = {1, 2, 3, 4, 5, 6, 7, 0xFFFF};
  navTxt.vehicleId = {'A', 'B', 0, 0};
  SerialPort serial;
  serial.port = 1;
  serial.inputBaud = 8;  // sent in both bytes 2 and 3
  serial.inputProtocols = 1;
  serial.outputProtocols = 4;
  Bytes gps = {0xBB, 0x03, 0x00, 0x02, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
               0xFF, 0xFF, 0x3E, 0x32, 0xB8, 0xC1, 0x40, 0x80, 0x00, 0x00, 0x41, 0x40, 0x00, 0x00,
               0x40, 0xC0, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x1E, 0xFF, 0xFF, 0xFF, 0xFF};
  const struct {
    const char* name;
    CommandPacket packet;
    Bytes expected;
  } cases[] = {
      {"RequestVersion", BuildRequestVersion(), {0x1F}},
      {"RequestGpsTime", BuildRequestGpsTime(), {0x21}},
      {"RequestSatelliteSelection", BuildRequestSatelliteSelection(), {0x24}},
      {"SoftReset", BuildSoftReset(), {0x25}},
      {"RequestReceiverHealth", BuildRequestReceiverHealth(), {0x26}},
      {"RequestIoOptions", BuildRequestIoOptions(), {0x35}},
      {"RequestTrackingStatus", BuildRequestTrackingStatus(), {0x3C, 0x00}},
      {"RequestDgpsMode", BuildRequestDgpsMode(), {0x62, 0x04}},
      {"RequestSensitivityMode", BuildRequestSensitivityMode(), {0x69}},
      {"RequestFilterConfiguration", BuildRequestFilterConfiguration(), {0x70}},
      {"RequestNavTxtConfiguration", BuildRequestNavTxtConfiguration(), {0x7E}},
      {"RequestGpsConfiguration", BuildRequestGpsConfiguration(), {0xBB, 0x03}},
      {"RequestDatum", BuildRequestDatum(), {0x8E, 0x15}},
      {"SaveToFlash", BuildSaveToFlash(), {0x8E, 0x26}},
      {"RequestPpsCharacteristics", BuildRequestPpsCharacteristics(), {0x8E, 0x4A}},
      {"RequestPpsOutput", BuildRequestPpsOutput(), {0x8E, 0x4E}},
      {"RequestPacketMasks", BuildRequestPacketMasks(), {0x8E, 0xA5}},
      {"RestartSelfSurvey", BuildRestartSelfSurvey(), {0x8E, 0xA6, 0x00}},
      {"ClearStoredPosition", BuildClearStoredPosition(), {0x8E, 0xA6, 0x01}},
      {"RequestSelfSurveyParameters", BuildRequestSelfSurveyParameters(), {0x8E, 0xA9}},
      {"ColdReset", BuildColdReset(), {0x1E, 0x4B}},
      {"Reset", BuildReset(kFactoryResetMode), {0x1E, 0x46}},
      {"SetInitialPositionXyz",
       BuildSetInitialPositionXyz(1.5f, -2.25f, 100.0f),
       {0x23, 0x3F, 0xC0, 0, 0, 0xC0, 0x10, 0, 0, 0x42, 0xC8, 0, 0}},
      {"SetInitialPositionLla",
       BuildSetInitialPositionLla(0.5f, 1.5f, 4.0f),
       {0x2B, 0x3F, 0, 0, 0, 0x3F, 0xC0, 0, 0, 0x40, 0x80, 0, 0}},
      {"SetGpsTime", BuildSetGpsTime(12.0f, 0x04D2), {0x2E, 0x41, 0x40, 0, 0, 0x04, 0xD2}},
      {"SetAccuratePositionXyz",
       BuildSetAccuratePositionXyz(1.5f, -2.25f, 100.0f),
       {0x31, 0x3F, 0xC0, 0, 0, 0xC0, 0x10, 0, 0, 0x42, 0xC8, 0, 0}},
      {"SetAccuratePositionLla",
       BuildSetAccuratePositionLla(0.5f, 1.5f, 4.0f),
       {0x32, 0x3F, 0, 0, 0, 0x3F, 0xC0, 0, 0, 0x40, 0x80, 0, 0}},
      {"SetIoOptions", BuildSetIoOptions({0x12, 0x02, 0x01, 0x00}), {0x35, 0x12, 0x02, 0x01, 0x00}},
      {"RequestSatelliteData", BuildRequestSatelliteData(2, 17), {0x38, 0x01, 0x02, 0x11}},
      {"SetSensitivityMode", BuildSetSensitivityMode({.afterReset = 1}), {0x69, 0x01, 0xFF}},
      {"SetFilterConfiguration", BuildSetFilterConfiguration({1, 0, 1}), {0x70, 1, 0, 1, 0}},
      {"SetNavTxtConfiguration",
       BuildSetNavTxtConfiguration(navTxt),
       {0x7E, 0x00, 0x13, 0x01, 0x02, 0, 1,    0,    2,   0,   3, 0, 4,
        0,    5,    0,    6,    0,    7, 0xFF, 0xFF, 'A', 'B', 0, 0}},
      {"SetGpsConfiguration", BuildSetGpsConfiguration({0, 2, 4, 0.1745329f, 4, 12, 6, 30}), gps},
      {"SetSerialPortConfiguration",
       BuildSetSerialPortConfiguration(serial),
       {0xBC, 0x01, 0x08, 0x08, 0x03, 0x01, 0x00, 0x00, 0x01, 0x04, 0x00}},
      {"RequestSerialPortConfiguration", BuildRequestSerialPortConfiguration(1), {0xBC, 0x01}},
      {"SetDatum", BuildSetDatum({0x0102}), {0x8E, 0x15, 0x01, 0x02}},
      {"SetPpsCharacteristics",
       BuildSetPpsCharacteristics({1, 2, 0, 1.5e-7, 4.0f}),
       {0x8E, 0x4A, 1, 2, 0, 0x3E, 0x84, 0x21, 0xF5, 0xF4, 0x0D, 0x83, 0x76, 0x40, 0x80, 0, 0}},
      {"SetPpsOutput", BuildSetPpsOutput({3}), {0x8E, 0x4E, 0x03}},
      {"SetPacketMasks", BuildSetPacketMasks({0x00, 0x60}), {0x8E, 0xA5, 0x00, 0x60, 0x00, 0x00}},
      {"SetSelfSurveyParameters",
       BuildSetSelfSurveyParameters({1, 0, 2000}),
       {0x8E, 0xA9, 1, 0, 0, 0, 0x07, 0xD0, 0, 0, 0, 0}},
      {"RequestTimingPacketAB",
       BuildRequestTimingPacketAB(TimingRequestWhen::BothNextSecond),
       {0x8E, 0xAB, 0x02}},
      {"RequestTimingPacketAC",
       BuildRequestTimingPacketAC(TimingRequestWhen::NextSecond),
       {0x8E, 0xAC, 0x01}},
      {"LoadSatelliteData", *BuildLoadSatelliteData(2, 0, {}), {0x38, 0x02, 0x02, 0x00, 0x00}},
      {"GenericCommand", *BuildGenericCommand(Bytes{0x8E, 0x15}), {0x8E, 0x15}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.packet.toVector(), c.expected) << c.name;
  EXPECT_EQ(gps.size(), 41u);
}

TEST(Encoders, VariableLengthPacketsHaveTheirLimits) {
  const Bytes data(255, 0x10);
  const auto load = BuildLoadSatelliteData(1, 5, data);
  ASSERT_TRUE(load.has_value());
  Bytes expected(5 + data.size(), 0x10);  // the header, then the data
  const std::uint8_t header[] = {0x38, 0x02, 0x01, 0x05, 0xFF};
  std::copy(std::begin(header), std::end(header), expected.begin());
  EXPECT_EQ(load->toVector(), expected);
  EXPECT_FALSE(BuildLoadSatelliteData(1, 5, Bytes(256, 0)).has_value());
  EXPECT_FALSE(BuildGenericCommand({}).has_value());
  EXPECT_EQ(BuildGenericCommand(Bytes(128, 0x26))->size(), 128u);
  EXPECT_FALSE(BuildGenericCommand(Bytes(129, 0x26)).has_value());
}

class EncoderSendTest : public ::testing::Test, public testing::SenderFixture {
 protected:
  EncoderSendTest() { open(1); }
  const Bytes& lastFrame() { return writes.back().frame; }
};

TEST_F(EncoderSendTest, StuffedPacketsSurviveTheWire) {
  SetDatum(sender, DISPLAY_PORT, {16});  // 00 10 in bytes 2-3, which the framing doubles
  EXPECT_EQ(lastFrame(), (Bytes{0x10, 0x8E, 0x15, 0x00, 0x10, 0x10, 0x10, 0x03}));

  const Bytes data(255, 0x10);
  ASSERT_TRUE(LoadSatelliteData(sender, 0, 2, 9, data));
  const auto sent = support::Deframe(lastFrame());
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].id, 0x38);
  ASSERT_EQ(sent[0].payload.size(), 259u);
  EXPECT_EQ(Bytes(sent[0].payload.begin() + 4, sent[0].payload.end()), data);

  Bytes generic(128, 0x10);
  generic[0] = 0x8E;
  ASSERT_TRUE(SendGenericCommand(sender, DISPLAY_PORT, generic));
  EXPECT_EQ(lastFrame(), support::Frame(generic));
  EXPECT_EQ(lastFrame().size(), 1 + 1 + 127 * 2 + 2u);
}

TEST_F(EncoderSendTest, RefusedPacketsSendNothing) {
  EXPECT_FALSE(SendGenericCommand(sender, 0, Bytes{}));
  EXPECT_FALSE(SendGenericCommand(sender, 0, Bytes(129, 1)));
  EXPECT_FALSE(LoadSatelliteData(sender, 0, 1, 1, Bytes(300, 1)));
  EXPECT_TRUE(writes.empty());
  EXPECT_EQ(sender.pauseCount(), 0u);
}

TEST_F(EncoderSendTest, SetIoOptionsArmsOnlyTheDisplayPortUnderTxAll) {
  shell.displayPort = 3;
  shell.transmitToAll = true;
  open(3);
  open(6);
  SetIoOptions(sender, DISPLAY_PORT, {0x12, 0x02, 0x01, 0x00});
  EXPECT_EQ(writtenComs(), (std::vector<int>{1, 3, 6}));
  std::array<std::uint8_t, link::kPortCount> expected{};
  expected[2] = 1;
  EXPECT_EQ(logTrigger, expected);
  SetIoOptions(sender, 5, {});
  expected[5] = 1;
  EXPECT_EQ(logTrigger, expected);
}

}  // namespace
}  // namespace navbin::commands

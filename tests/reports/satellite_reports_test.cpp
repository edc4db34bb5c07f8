// Tracking status 0x5C, channel ageing and fix mode 0x6D, in the main and
// tracking windows.

#include <limits>

#include "protocol/reports/age_channels.h"
#include "protocol/reports/control_names.h"
#include "protocol/reports/fix_sv_colour.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using namespace names;

std::vector<std::uint8_t> Track(int sv, int channelByte, int acq = 1, int eph = 1,
                                float level = 12.5f, float time = 345.25f, float elev = 0.5f,
                                float azim = 2.0f) {
  return Payload()
      .u8(sv)
      .u8(channelByte)
      .u8(acq)
      .u8(eph)
      .single(level)
      .single(time)
      .single(elev)
      .single(azim)
      .zeros(4);
}

std::vector<std::uint8_t> FixMode(int mode, const std::vector<int>& svs, float pdop = 2.34f) {
  Payload p;
  p.u8(mode).single(pdop).single(1.25f).single(3.0f).single(0.96f);
  for (int sv : svs) p.u8(sv);
  return p;
}

class SatelliteTest : public ReportTest {
 protected:
  void age(int times) {
    for (int i = 0; i < times; ++i) ageChannels(dispatcher.context());
  }
  void greyLowerRows() {
    for (std::size_t k = 8; k < 12; ++k) {
      for (auto* column : {&rows::Panel_SV, &rows::Panel_AMU, &rows::Panel_AZ, &rows::Panel_EL}) {
        display.at(Form::Main, (*column)[k]).colour = Colour::ButtonFace;
      }
    }
  }
};

TEST_F(SatelliteTest, ChannelRowInBothWindows) {
  deliver(0x5C, Track(17, 9 << 3, 1, 1, 12.5f, 345.25f, 0.5f, 2.0f));
  // 0.5 rad = 28.65 degrees, 2 rad = 114.59 degrees.
  EXPECT_EQ(text(Form::Track, "Panel_SV10"), "17");
  EXPECT_EQ(mainText("Panel_SV10"), "17");
  EXPECT_EQ(text(Form::Track, "Panel_Amu10"), "12.5");
  EXPECT_EQ(mainText("Panel_AMU10"), "12.5");
  EXPECT_EQ(text(Form::Track, "Panel_Time10"), "345.2");
  EXPECT_EQ(text(Form::Track, "Panel_Elev10"), "28.6");
  EXPECT_EQ(mainText("Panel_EL10"), "28.6");
  EXPECT_EQ(text(Form::Track, "Panel_Azim10"), "114.6");
  EXPECT_EQ(mainText("Panel_AZ10"), "114.6");
  EXPECT_EQ(display.colour(Form::Track, "Shape_Acq10"), Colour::Lime);
  EXPECT_EQ(display.colour(Form::Track, "Shape_Eph10"), Colour::Lime);
  EXPECT_FALSE(display.wasWritten(Form::Track, "Panel_SV9"));
  EXPECT_EQ(state.globals.channelAge[9], 5);
}

TEST_F(SatelliteTest, AcquisitionAndEphemerisLights) {
  deliver(0x5C, Track(1, 0 << 3, 0, 0));
  deliver(0x5C, Track(2, 1 << 3, 2, 7));
  EXPECT_EQ(display.colour(Form::Track, "Shape_Acq1"), Colour::Yellow);
  EXPECT_EQ(display.colour(Form::Track, "Shape_Eph1"), Colour::Yellow);
  EXPECT_EQ(display.colour(Form::Track, "Shape_Acq2"), Colour::Aqua);
  EXPECT_EQ(display.colour(Form::Track, "Shape_Eph2"), Colour::Lime);
}

TEST_F(SatelliteTest, ChannelElevenWakesTheLowerMainRows) {
  greyLowerRows();
  display.at(Form::Main, "Panel_SV9").colour = Colour::Lime;  // an SV in the fix keeps its colour
  deliver(0x5C, Track(5, 0x58));
  EXPECT_EQ(mainText("Panel_SV12"), "5");
  EXPECT_EQ(mainColour("Panel_SV9"), Colour::Lime);
  for (int row = 10; row <= 12; ++row) {
    EXPECT_EQ(mainColour("Panel_SV" + std::to_string(row)), Colour::Window) << row;
  }
  for (int row = 9; row <= 12; ++row) {
    for (const char* column : {"Panel_AMU", "Panel_AZ", "Panel_EL"}) {
      EXPECT_EQ(mainColour(column + std::to_string(row)), Colour::Window) << column << row;
    }
  }
}

TEST_F(SatelliteTest, UpperChannelsLeaveTheLowerRowsGrey) {
  greyLowerRows();
  deliver(0x5C, Track(5, 7 << 3));
  EXPECT_EQ(mainColour("Panel_AMU9"), Colour::ButtonFace);
}

TEST_F(SatelliteTest, ChannelTwelveOrMoreIsIgnored) {
  deliver(0x5C, Track(5, 0x60));
  deliver(0x5C, Track(5, 0xFF));
  EXPECT_EQ(display.written().size(), 1u);  // the receive lamp
  EXPECT_EQ(state.globals.channelAge, (std::array<std::int32_t, 12>{}));
  for (const auto& channel : state.receivers[0].channels) EXPECT_EQ(channel.currentSv, 0);
}

TEST_F(SatelliteTest, RowGoesBlankAtTheFifthAgeingStep) {
  deliver(0x5C, Track(7, 3 << 3, 1, 1));
  age(4);
  EXPECT_EQ(text(Form::Track, "Panel_SV4"), "7");
  EXPECT_EQ(state.globals.channelAge[3], 1);
  age(1);
  for (const char* c : {"Panel_SV4", "Panel_Amu4", "Panel_Time4", "Panel_Elev4", "Panel_Azim4"}) {
    EXPECT_EQ(text(Form::Track, c), "") << c;
  }
  for (const char* c : {"Panel_SV4", "Panel_AMU4", "Panel_EL4", "Panel_AZ4"}) {
    EXPECT_EQ(mainText(c), "") << c;
  }
  EXPECT_EQ(mainColour("Panel_SV4"), Colour::Window);
  EXPECT_EQ(display.colour(Form::Track, "Shape_Acq4"), Colour::Gray);
  EXPECT_EQ(display.colour(Form::Track, "Shape_Eph4"), Colour::Gray);
  age(3);
  EXPECT_EQ(state.globals.channelAge[3], 0);
}

TEST_F(SatelliteTest, ReportingAgainKeepsTheRowAlive) {
  deliver(0x5C, Track(7, 3 << 3));
  age(4);
  deliver(0x5C, Track(7, 3 << 3));
  age(4);
  EXPECT_EQ(text(Form::Track, "Panel_SV4"), "7");
}

TEST_F(SatelliteTest, LowerRowsGreyWhenNoneOfChannelsEightToElevenReports) {
  deliver(0x5C, Track(7, 9 << 3));
  deliver(0x5C, Track(8, 2 << 3));
  age(4);
  deliver(0x5C, Track(8, 2 << 3));
  age(1);
  EXPECT_EQ(mainColour("Panel_AMU12"), Colour::ButtonFace);
  EXPECT_EQ(mainColour("Panel_SV9"), Colour::ButtonFace);
  EXPECT_EQ(mainColour("Panel_EL10"), Colour::ButtonFace);
  EXPECT_EQ(text(Form::Track, "Panel_SV3"), "8");
}

TEST_F(SatelliteTest, AgeingWithNothingToAgeTouchesNothing) {
  age(3);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(SatelliteTest, OtherPortsAgeTheRowsButDoNotFillThem) {
  ports[4].monitored = true;
  deliver(4, 0x5C, Track(9, 5 << 3, 1, 1, 40.0f));
  EXPECT_EQ(state.globals.channelAge[5], 5);
  EXPECT_EQ(state.receivers[4].channels[5].currentSv, 9);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(SatelliteTest, WeakestLevelSinceTheDataLogLastTookIt) {
  ChannelTrack& channel = state.receivers[0].channels[2];
  channel.resetPending = 1;
  deliver(0x5C, Track(11, 2 << 3, 1, 1, 20.0f));
  EXPECT_EQ(channel.resetPending, 0);
  EXPECT_EQ(channel.minSv, 11);
  EXPECT_EQ(channel.minLevel, 20.0f);
  deliver(0x5C, Track(12, 2 << 3, 1, 1, -8.0f));  // smaller magnitude wins
  deliver(0x5C, Track(13, 2 << 3, 1, 1, 15.0f));
  EXPECT_EQ(channel.minSv, 12);
  EXPECT_EQ(channel.minLevel, -8.0f);
  EXPECT_EQ(channel.currentSv, 13);
  EXPECT_EQ(channel.currentLevel, 15.0f);
}

TEST_F(SatelliteTest, NotANumberInTheRowShowsAsPrintfPrintsIt) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  deliver(0x5C, Track(3, 0, 1, 1, nan, nan, nan, std::numeric_limits<float>::infinity()));
  EXPECT_NE(text(Form::Track, "Panel_Amu1").find("nan"), std::string::npos);
  EXPECT_EQ(text(Form::Track, "Panel_Azim1"), "inf");
  EXPECT_EQ(state.receivers[0].channels[0].minLevel, 0.0f);
}

TEST_F(SatelliteTest, FixModeTexts) {
  deliver(0x6D, FixMode(0x84, {1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(mainText(Panel_RecMode), "3-D  (8 SV)");
  deliver(0x6D, FixMode(0x31, {1, 2, 3}));
  EXPECT_EQ(mainText(Panel_RecMode), "0-D  (3 SV)");
  deliver(0x6D, FixMode(0x00, {}));
  EXPECT_EQ(mainText(Panel_RecMode), "-1-D  (0 SV)");
}

TEST_F(SatelliteTest, DopsInBothWindows) {
  deliver(0x6D, FixMode(0x44, {1}, 2.34f));
  for (Form form : {Form::Main, Form::Track}) {
    EXPECT_EQ(text(form, Panel_PDOP), "2.3");
    EXPECT_EQ(text(form, Panel_HDOP), "1.2");  // 1.25 rounds to even
    EXPECT_EQ(text(form, Panel_VDOP), "3.0");
    EXPECT_EQ(text(form, Panel_TDOP), "1.0");
  }
  const ReceiverState& r = state.receivers[0];
  EXPECT_EQ(r.fixMode, 0x44);
  EXPECT_EQ(r.pdop, 2.34f);
  EXPECT_EQ(r.tdop, 0.96f);
}

TEST_F(SatelliteTest, SelectionListIsRightAlignedFields) {
  deliver(0x6D, FixMode(0x54, {3, 14, 22, 31, 1}));
  EXPECT_EQ(text(Form::Track, Panel_SVSel), "   3  14  22  31   1");
}

TEST_F(SatelliteTest, NegativeSvIsStoredSignedAndListedUnsigned) {
  deliver(0x6D, FixMode(0x24, {0xFB, 9}));
  EXPECT_EQ(state.receivers[0].fixSvs[0], -5);
  EXPECT_EQ(state.receivers[0].fixSvs[1], 9);
  EXPECT_EQ(state.receivers[0].fixSvs[2], 0);
  EXPECT_EQ(text(Form::Track, Panel_SVSel), " 251   9");
  deliver(0x5C, Track(5, 0));
  EXPECT_EQ(mainColour("Panel_SV1"), Colour::Yellow);
  deliver(0x5C, Track(9, 1 << 3));
  EXPECT_EQ(mainColour("Panel_SV2"), Colour::Lime);
  deliver(0x5C, Track(10, 2 << 3));
  EXPECT_EQ(mainColour("Panel_SV3"), Colour::Window);
}

TEST_F(SatelliteTest, MoreThanTwelveSvsKeepsTwelve) {
  std::vector<int> svs;
  for (int sv = 1; sv <= 15; ++sv) svs.push_back(sv);
  deliver(0x6D, FixMode(0xF4, svs));
  EXPECT_EQ(state.receivers[0].fixSvs[11], 12);
  EXPECT_EQ(text(Form::Track, Panel_SVSel).size(), 48u);
}

TEST_F(SatelliteTest, NewFixClearsTheOldSvs) {
  deliver(0x6D, FixMode(0x44, {1, 2, 3, 4}));
  deliver(0x6D, FixMode(0x14, {7}));
  EXPECT_EQ(state.receivers[0].fixSvs, (std::array<std::int32_t, 12>{7}));
}

TEST_F(SatelliteTest, ShortFixModeReportIsIgnored) {
  deliver(0x6D, std::vector<std::uint8_t>(16, 0x44));
  EXPECT_FALSE(display.wasWritten(Form::Main, Panel_RecMode));
  EXPECT_EQ(state.receivers[0].fixMode, 0);
  deliver(0x5C, std::vector<std::uint8_t>(23, 0));
  deliver(0x5C, std::vector<std::uint8_t>(25, 0));
  EXPECT_EQ(state.globals.channelAge, (std::array<std::int32_t, 12>{}));
}

TEST(FixSvColour, FirstMatchingEntryDecides) {
  EXPECT_EQ(FixSvColour({0, 0}, 0), Colour::Window);
  EXPECT_EQ(FixSvColour({-4, 4}, 4), Colour::Yellow);
  EXPECT_EQ(FixSvColour({4, -4}, 4), Colour::Lime);
  EXPECT_EQ(FixSvColour({4}, 5), Colour::Window);
}

}  // namespace
}  // namespace navbin::reports::test

// Tracking status 0x5C, channel ageing and fix mode 0x6D, in the main and
// tracking windows.

#include <limits>

#include "protocol/receiver/age_channels.h"
#include "protocol/receiver/fix_sv_colour.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

Bytes Track(int sv, int channel, int acq = 1, int eph = 1, float level = 12.5f,
            float time = 345.25f, float elev = 0.5f, float azim = 2.0f) {
  return Payload()
      .u8(sv)
      .u8(channel << 3)
      .u8(acq)
      .u8(eph)
      .single(level)
      .single(time)
      .single(elev)
      .single(azim)
      .zeros(4);
}

Bytes FixMode(int mode, const std::vector<int>& svs, float pdop = 2.34f) {
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
  // Rows 9 to 12 of the main window as they start: button-face.
  void greyLowerRows() {
    for (std::size_t k = 8; k < 12; ++k) {
      for (auto* column : {&rows::Panel_SV, &rows::Panel_AMU, &rows::Panel_AZ, &rows::Panel_EL}) {
        display.at(Form::Main, (*column)[k]).colour = Colour::ButtonFace;
      }
    }
  }
  Colour trackColour(support::Named c) const { return display.colour(Form::Track, c); }
};

TEST_F(SatelliteTest, ChannelRowInBothWindowsWithItsLights) {
  deliver(0x5C, Track(17, 9, 1, 1, 12.5f, 345.25f, 0.5f, 2.0f));
  // 0.5 rad = 28.65 degrees, 2 rad = 114.59 degrees.
  EXPECT_EQ(texts(Form::Track,
                  {"Panel_SV10", "Panel_Amu10", "Panel_Time10", "Panel_Elev10", "Panel_Azim10"}),
            (Strings{"17", "12.5", "345.2", "28.6", "114.6"}));
  EXPECT_EQ(mainTexts({"Panel_SV10", "Panel_AMU10", "Panel_EL10", "Panel_AZ10"}),
            (Strings{"17", "12.5", "28.6", "114.6"}));
  EXPECT_EQ(trackColour("Shape_Acq10"), Colour::Lime);
  EXPECT_EQ(trackColour("Shape_Eph10"), Colour::Lime);
  EXPECT_FALSE(display.wasWritten(Form::Track, "Panel_SV9"));
  EXPECT_EQ(state.globals.channelAge[9], 5);

  deliver(0x5C, Track(1, 0, 0, 0));
  deliver(0x5C, Track(2, 1, 2, 7));
  EXPECT_EQ(trackColour("Shape_Acq1"), Colour::Yellow);  // never acquired
  EXPECT_EQ(trackColour("Shape_Eph1"), Colour::Yellow);
  EXPECT_EQ(trackColour("Shape_Acq2"), Colour::Aqua);  // re-opened search
  EXPECT_EQ(trackColour("Shape_Eph2"), Colour::Lime);
}

TEST_F(SatelliteTest, ChannelElevenWakesTheLowerMainRowsAndChannelTwelveIsIgnored) {
  greyLowerRows();
  display.at(Form::Main, "Panel_SV9").colour = Colour::Lime;  // an SV in the fix keeps its colour
  deliver(0x5C, Track(5, 7));
  EXPECT_EQ(mainColour("Panel_AMU9"), Colour::ButtonFace);  // upper channels leave them grey
  deliver(0x5C, Track(5, 11));
  EXPECT_EQ(mainText("Panel_SV12"), "5");
  EXPECT_EQ(mainColour("Panel_SV9"), Colour::Lime);
  for (int row = 9; row <= 12; ++row) {
    for (std::string column : {"Panel_SV", "Panel_AMU", "Panel_AZ", "Panel_EL"}) {
      if (row == 9 && column == "Panel_SV") continue;
      EXPECT_EQ(mainColour(column + std::to_string(row)), Colour::Window) << column << row;
    }
  }
  const auto ages = state.globals.channelAge;
  const auto written = display.written();
  deliver(0x5C, Payload().u8(5).u8(0x60).zeros(22));  // channel 12
  deliver(0x5C, Payload().u8(5).u8(0xFF).zeros(22));
  EXPECT_EQ(display.written(), written);
  EXPECT_EQ(state.globals.channelAge, ages);
  for (std::size_t k = 0; k < 11; ++k) {
    EXPECT_EQ(state.receivers[0].channels[k].currentSv, k == 7 ? 5 : 0) << k;
  }
}

TEST_F(SatelliteTest, RowGoesBlankAtTheFifthAgeingStepUnlessReportedAgain) {
  deliver(0x5C, Track(7, 3));
  deliver(0x5C, Track(8, 2));
  age(4);
  deliver(0x5C, Track(8, 2));
  EXPECT_EQ(text(Form::Track, "Panel_SV4"), "7");
  EXPECT_EQ(state.globals.channelAge[3], 1);
  age(1);
  EXPECT_EQ(
      texts(Form::Track, {"Panel_SV4", "Panel_Amu4", "Panel_Time4", "Panel_Elev4", "Panel_Azim4"}),
      (Strings{"", "", "", "", ""}));
  EXPECT_EQ(mainTexts({"Panel_SV4", "Panel_AMU4", "Panel_EL4", "Panel_AZ4"}),
            (Strings{"", "", "", ""}));
  EXPECT_EQ(mainColour("Panel_SV4"), Colour::Window);
  EXPECT_EQ(trackColour("Shape_Acq4"), Colour::Gray);
  EXPECT_EQ(trackColour("Shape_Eph4"), Colour::Gray);
  EXPECT_EQ(text(Form::Track, "Panel_SV3"), "8");  // reported again: still there
  age(3);
  EXPECT_EQ(state.globals.channelAge[3], 0);
}

TEST_F(SatelliteTest, LowerRowsGreyWhenNoneOfChannelsEightToElevenReports) {
  deliver(0x5C, Track(7, 9));
  deliver(0x5C, Track(8, 2));
  age(4);
  deliver(0x5C, Track(8, 2));
  age(1);
  for (const char* c : {"Panel_AMU12", "Panel_SV9", "Panel_EL10"}) {
    EXPECT_EQ(mainColour(c), Colour::ButtonFace) << c;
  }
}

TEST_F(SatelliteTest, OtherPortsAgeTheRowsButDoNotFillThemAndIdleAgeingTouchesNothing) {
  age(3);
  EXPECT_EQ(display.writes(), 0);
  ports[4].monitored = true;
  deliver(4, 0x5C, Track(9, 5, 1, 1, 40.0f));
  EXPECT_EQ(state.globals.channelAge[5], 5);
  EXPECT_EQ(state.receivers[4].channels[5].currentSv, 9);
  EXPECT_EQ(display.writes(), 0);
}

TEST_F(SatelliteTest, WeakestLevelSinceTheDataLogLastTookIt) {
  ChannelTrack& channel = state.receivers[0].channels[2];
  channel.resetPending = 1;
  deliver(0x5C, Track(11, 2, 1, 1, 20.0f));
  EXPECT_EQ(channel.resetPending, 0);
  EXPECT_EQ(channel.minSv, 11);
  EXPECT_EQ(channel.minLevel, 20.0f);
  deliver(0x5C, Track(12, 2, 1, 1, -8.0f));  // smaller magnitude wins
  deliver(0x5C, Track(13, 2, 1, 1, 15.0f));
  EXPECT_EQ(channel.minSv, 12);
  EXPECT_EQ(channel.minLevel, -8.0f);
  EXPECT_EQ(channel.currentSv, 13);
  EXPECT_EQ(channel.currentLevel, 15.0f);

  const float nan = std::numeric_limits<float>::quiet_NaN();
  deliver(0x5C, Track(3, 0, 1, 1, nan, nan, nan, std::numeric_limits<float>::infinity()));
  EXPECT_NE(text(Form::Track, "Panel_Amu1").find("nan"), std::string::npos);
  EXPECT_EQ(text(Form::Track, "Panel_Azim1"), "inf");
  EXPECT_EQ(state.receivers[0].channels[0].minLevel, 0.0f);
}

TEST_F(SatelliteTest, FixModeTextsAndDopsInBothWindows) {
  const std::pair<Bytes, const char*> modes[] = {
      {FixMode(0x84, {1, 2, 3, 4, 5, 6, 7, 8}), "3-D  (8 SV)"},
      {FixMode(0x31, {1, 2, 3}), "0-D  (3 SV)"},
      {FixMode(0x00, {}), "-1-D  (0 SV)"},
  };
  for (const auto& [payload, expected] : modes) {
    deliver(0x6D, payload);
    EXPECT_EQ(mainText(Panel_RecMode), expected);
  }
  deliver(0x6D, FixMode(0x44, {1}, 2.34f));
  for (Form form : {Form::Main, Form::Track}) {  // HDOP 1.25 rounds to even
    EXPECT_EQ(texts(form, {Panel_PDOP, Panel_HDOP, Panel_VDOP, Panel_TDOP}),
              (Strings{"2.3", "1.2", "3.0", "1.0"}));
  }
  EXPECT_EQ(state.receivers[0].fixMode, 0x44);
  EXPECT_EQ(state.receivers[0].pdop, 2.34f);
  EXPECT_EQ(state.receivers[0].tdop, 0.96f);
}

TEST_F(SatelliteTest, SelectionListHoldsUpToTwelveSignedSvs) {
  deliver(0x6D, FixMode(0x54, {3, 14, 22, 31, 1}));
  EXPECT_EQ(text(Form::Track, Panel_SVSel), "   3  14  22  31   1");
  std::vector<int> fifteen;
  for (int sv = 1; sv <= 15; ++sv) fifteen.push_back(sv);
  deliver(0x6D, FixMode(0xF4, fifteen));
  EXPECT_EQ(state.receivers[0].fixSvs[11], 12);
  EXPECT_EQ(text(Form::Track, Panel_SVSel).size(), 48u);
  deliver(0x6D, FixMode(0x24, {0xFB, 9}));  // a new fix clears the old SVs
  EXPECT_EQ(state.receivers[0].fixSvs, (std::array<std::int32_t, 12>{-5, 9}));
  EXPECT_EQ(text(Form::Track, Panel_SVSel), " 251   9");
  deliver(0x5C, Track(5, 0));
  EXPECT_EQ(mainColour("Panel_SV1"), Colour::Yellow);  // listed as unusable
  deliver(0x5C, Track(9, 1));
  EXPECT_EQ(mainColour("Panel_SV2"), Colour::Lime);
  deliver(0x5C, Track(10, 2));
  EXPECT_EQ(mainColour("Panel_SV3"), Colour::Window);
}

TEST_F(SatelliteTest, ShortReportsAreIgnored) {
  deliver(0x6D, Bytes(16, 0x44));
  deliver(0x5C, Bytes(23, 0));
  deliver(0x5C, Bytes(25, 0));
  expectOnlyTheLamp();
  EXPECT_EQ(state.receivers[0].fixMode, 0);
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

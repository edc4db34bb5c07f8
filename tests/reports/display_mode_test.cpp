// The three layouts of the main window's position area.

#include "protocol/reports/display_mode.h"
#include "protocol/reports/control_names.h"
#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using namespace names;

class DisplayModeTest : public ReportTest {
 protected:
  bool visible(std::string_view c) const { return display.get(Form::Main, c).visible; }
  void expectVisible(std::initializer_list<std::string_view> controls, bool shown) {
    for (auto c : controls) EXPECT_EQ(visible(c), shown) << c;
  }
};

const std::initializer_list<std::string_view> kLlaPanels = {
    Panel_LatDeg, Panel_LatMin, Panel_NorthSouth, Panel_LonDeg, Panel_LonMin, Panel_EastWest};

TEST_F(DisplayModeTest, LlaLayout) {
  setDisplayMode(display, kModeLla);
  expectVisible(kLlaPanels, true);
  expectVisible({Panel_RecMode, Panel_Alt_Z, Panel_TOW, Panel_Time, Label_TimeMode, Panel_DeltaLat,
                 Panel_DeltaLon},
                true);
  expectVisible(
      {Panel_SuperReceiverMode, Panel_X, Panel_Y, Panel_SuperLat, Panel_SuperLon, Panel_SuperAlt,
       Panel_SuperTOW, Panel_SuperTime, Label_SuperTimeMode, Panel_Disable, Panel_Disable2},
      false);
  EXPECT_EQ(mainText(Label_PanelPos), "LLA Position");
  EXPECT_EQ(mainText(Label_Lat_X), "Latitude");
  EXPECT_EQ(mainText(Label_Lon_Y), "Longitude");
  EXPECT_EQ(mainText(Label_Alt_Z), "Altitude");
  EXPECT_EQ(mainText(Label_Pmode1), "");
  EXPECT_EQ(mainText(Label_Pmode2), "");
  for (auto c : rows::Panel_Vel) EXPECT_EQ(mainColour(c), Colour::Window);
}

TEST_F(DisplayModeTest, EcefLayout) {
  setDisplayMode(display, kModeEcef);
  expectVisible(kLlaPanels, false);
  expectVisible({Panel_X, Panel_Y, Panel_RecMode, Panel_Alt_Z, Panel_TOW, Panel_Time,
                 Label_TimeMode, Panel_Disable, Panel_Disable2},
                true);
  expectVisible(
      {Panel_SuperReceiverMode, Panel_SuperLat, Panel_SuperLon, Panel_SuperAlt, Panel_SuperTOW,
       Panel_SuperTime, Label_SuperTimeMode, Panel_DeltaLat, Panel_DeltaLon},
      false);
  EXPECT_EQ(mainText(Label_PanelPos), "ECEF Position");
  EXPECT_EQ(mainText(Label_Lat_X), "X");
  EXPECT_EQ(mainText(Label_Lon_Y), "Y");
  EXPECT_EQ(mainText(Label_Alt_Z), "Z");
  EXPECT_EQ(mainText(Label_Pmode1), "m");
  EXPECT_EQ(mainText(Label_Pmode2), "m");
}

TEST_F(DisplayModeTest, TimingLayoutEmptiesAndGreysTheVelocities) {
  for (auto c : rows::Panel_Vel) display.at(Form::Main, c).text = "1.00";
  setDisplayMode(display, kModeTiming);
  expectVisible(kLlaPanels, false);
  expectVisible(
      {Panel_SuperReceiverMode, Panel_SuperLat, Panel_SuperLon, Panel_SuperAlt, Panel_SuperTOW,
       Panel_SuperTime, Label_SuperTimeMode, Panel_Disable, Panel_Disable2},
      true);
  expectVisible({Panel_RecMode, Panel_X, Panel_Y, Panel_Alt_Z, Panel_TOW, Panel_Time,
                 Label_TimeMode, Panel_DeltaLat, Panel_DeltaLon},
                false);
  EXPECT_EQ(mainText(Label_PanelPos), "LLA Position");
  EXPECT_EQ(mainText(Label_Lat_X), "Latitude");
  EXPECT_EQ(mainText(Label_Pmode1), "");
  EXPECT_EQ(mainText(Label_Pmode2), "m");
  for (auto c : rows::Panel_Vel) {
    EXPECT_EQ(mainText(c), "");
    EXPECT_EQ(mainColour(c), Colour::ButtonFace);
  }
}

TEST_F(DisplayModeTest, LlaReportAfterTimingBringsTheLlaPanelsBack) {
  setDisplayMode(display, kModeTiming);
  deliver(0x4A, Payload().single(0.5f).single(0.1f).single(10).single(0).single(1000));
  expectVisible(kLlaPanels, true);
  expectVisible({Panel_DeltaLat, Panel_DeltaLon}, true);
  for (auto c : rows::Panel_Vel) {
    EXPECT_EQ(mainColour(c), Colour::Window);
    EXPECT_EQ(mainText(c), "");  // until the next velocity report
  }
}

TEST_F(DisplayModeTest, OtherModesChangeNothing) {
  setDisplayMode(display, 3);
  setDisplayMode(display, -1);
  EXPECT_EQ(display.writes(), 0);
}

}  // namespace
}  // namespace navbin::reports::test

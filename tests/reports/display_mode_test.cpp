// The three layouts of the main window's position area.

#include "protocol/presentation/display_mode.h"

#include "tests/reports/report_fixture.h"

namespace navbin::reports::test {
namespace {

using Controls = std::vector<ControlName>;

const Controls kLla = {Panel_LatDeg, Panel_LatMin, Panel_NorthSouth,
                       Panel_LonDeg, Panel_LonMin, Panel_EastWest};
const Controls kDeltas = {Panel_DeltaLat, Panel_DeltaLon};
const Controls kXy = {Panel_X, Panel_Y};
const Controls kNavigation = {Panel_RecMode, Panel_Alt_Z, Panel_TOW, Panel_Time, Label_TimeMode};
const Controls kTiming = {Panel_SuperReceiverMode, Panel_SuperLat, Panel_SuperLon,
                          Panel_SuperAlt,          Panel_SuperTOW, Panel_SuperTime,
                          Label_SuperTimeMode};
const Controls kDisable = {Panel_Disable, Panel_Disable2};

class DisplayModeTest : public ReportTest {};

TEST_F(DisplayModeTest, EachModeShowsItsPanelsAndCaptions) {
  struct Case {
    int mode;
    std::vector<Controls> shown, hidden;
    std::vector<std::string> captions;  // position, X, Y, Z, units 1 and 2
    Colour velocity;
  };
  const Case cases[] = {
      {kModeLla,
       {kLla, kNavigation, kDeltas},
       {kXy, kTiming, kDisable},
       {"LLA Position", "Latitude", "Longitude", "Altitude", "", ""},
       Colour::Window},
      {kModeEcef,
       {kXy, kNavigation, kDisable},
       {kLla, kTiming, kDeltas},
       {"ECEF Position", "X", "Y", "Z", "m", "m"},
       Colour::Window},
      {kModeTiming,
       {kTiming, kDisable},
       {kLla, kXy, kNavigation, kDeltas},
       {"LLA Position", "Latitude", "Longitude", "Altitude", "", "m"},
       Colour::ButtonFace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    for (auto v : rows::Panel_Vel) display.at(Form::Main, v).text = "1.00";
    setDisplayMode(display, c.mode);
    for (const auto& group : c.shown) {
      for (auto control : group) EXPECT_TRUE(display.main(control).visible) << control.text();
    }
    for (const auto& group : c.hidden) {
      for (auto control : group) EXPECT_FALSE(display.main(control).visible) << control.text();
    }
    const Controls labels = {Label_PanelPos, Label_Lat_X,  Label_Lon_Y,
                             Label_Alt_Z,    Label_Pmode1, Label_Pmode2};
    for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(mainText(labels[i]), c.captions[i]);
    for (auto v : rows::Panel_Vel) {
      EXPECT_EQ(mainColour(v), c.velocity);
      EXPECT_EQ(mainText(v), c.mode == kModeTiming ? "" : "1.00");  // timing empties them
    }
  }
  const int writes = display.writes();
  setDisplayMode(display, 3);  // other modes change nothing
  setDisplayMode(display, -1);
  EXPECT_EQ(display.writes(), writes);
}

TEST_F(DisplayModeTest, LlaReportAfterTimingBringsTheLlaPanelsBack) {
  setDisplayMode(display, kModeTiming);
  deliver(0x4A, Payload().single(0.5f).single(0.1f).single(10).single(0).single(1000));
  for (auto control : kLla) EXPECT_TRUE(display.main(control).visible) << control.text();
  for (auto control : kDeltas) EXPECT_TRUE(display.main(control).visible) << control.text();
  for (auto v : rows::Panel_Vel) {
    EXPECT_EQ(mainColour(v), Colour::Window);
    EXPECT_EQ(mainText(v), "");  // until the next velocity report
  }
}

}  // namespace
}  // namespace navbin::reports::test

#include "protocol/presentation/display_mode.h"

#include "protocol/presentation/control_names.h"

namespace navbin::reports {
namespace {

void Show(Display& display, ControlName control, bool visible) {
  display.setVisible(Form::Main, control, visible);
}

void Caption(Display& display, ControlName control, const char* text) {
  display.setText(Form::Main, control, text);
}

}  // namespace

void setDisplayMode(Display& display, int mode) {
  if (mode < kModeLla || mode > kModeTiming) return;
  const bool lla = mode == kModeLla;
  const bool ecef = mode == kModeEcef;
  const bool timing = mode == kModeTiming;
  using namespace names;

  Show(display, Panel_SuperReceiverMode, timing);
  Show(display, Panel_RecMode, !timing);
  Caption(display, Label_PanelPos, ecef ? "ECEF Position" : "LLA Position");
  Show(display, Panel_X, ecef);
  Show(display, Panel_Y, ecef);
  Show(display, Panel_SuperLat, timing);
  Show(display, Panel_SuperLon, timing);
  for (auto control :
       {Panel_LatDeg, Panel_LatMin, Panel_NorthSouth, Panel_LonDeg, Panel_LonMin, Panel_EastWest}) {
    Show(display, control, lla);
  }
  Caption(display, Label_Lat_X, ecef ? "X" : "Latitude");
  Caption(display, Label_Lon_Y, ecef ? "Y" : "Longitude");
  Caption(display, Label_Alt_Z, ecef ? "Z" : "Altitude");
  Caption(display, Label_Pmode1, ecef ? "m" : "");
  Caption(display, Label_Pmode2, lla ? "" : "m");
  Show(display, Panel_SuperAlt, timing);
  Show(display, Panel_Alt_Z, !timing);
  for (auto control : {Panel_SuperTOW, Panel_SuperTime, Label_SuperTimeMode}) {
    Show(display, control, timing);
  }
  for (auto control : {Panel_TOW, Panel_Time, Label_TimeMode}) Show(display, control, !timing);
  for (auto control : rows::Panel_Vel) {
    // The timing layout has no velocity: its panels are emptied and greyed
    // until the next velocity report fills them again.
    if (timing) display.setText(Form::Main, control, "");
    display.setColour(Form::Main, control, timing ? Colour::ButtonFace : Colour::Window);
  }
  Show(display, Panel_Disable, !lla);
  Show(display, Panel_Disable2, !lla);
  Show(display, Panel_DeltaLat, lla);
  Show(display, Panel_DeltaLon, lla);
}

}  // namespace navbin::reports

#include "protocol/presentation/position_display.h"

#include "protocol/presentation/angle_text.h"
#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"
#include "protocol/presentation/time_functions.h"

namespace navbin::reports {

void showTimeOfFix(Display& display, float timeOfFix) {
  showTimeOfWeek(display, Form::Main, names::Panel_Time, timeOfFix, true);
  display.setText(Form::Main, names::Panel_TOW, Format("%.2f", static_cast<double>(timeOfFix)));
}

void showClockBias(Display& display, double biasNanoseconds) {
  display.setText(Form::Bias, names::Panel_Bias, Format("%.2f", biasNanoseconds));
  display.setEnabled(Form::Log, names::CheckBox_Bias, true);
  display.setColour(Form::Bias, names::Panel_Bias, Colour::Window);
}

void markClockBiasStale(Display& display, bool dataLogOn) {
  display.setEnabled(Form::Log, names::CheckBox_Bias, false);
  if (!dataLogOn) display.setChecked(Form::Log, names::CheckBox_Bias, false);
  display.setColour(Form::Bias, names::Panel_Bias, Colour::ButtonFace);
}

SignedLatLon showLatLon(Display& display, double latitudeDegrees, double longitudeDegrees) {
  const AngleTexts lat = SplitAngle(latitudeDegrees, 'N', 'S');
  display.setText(Form::Main, names::Panel_LatDeg, lat.degrees);
  display.setText(Form::Main, names::Panel_LatMin, lat.minutes);
  display.setText(Form::Main, names::Panel_NorthSouth, lat.hemisphere);
  const AngleTexts lon = SplitAngle(longitudeDegrees, 'E', 'W');
  display.setText(Form::Main, names::Panel_LonDeg, lon.degrees);
  display.setText(Form::Main, names::Panel_LonMin, lon.minutes);
  display.setText(Form::Main, names::Panel_EastWest, lon.hemisphere);
  return {lat.signedDegrees, lon.signedDegrees};
}

}  // namespace navbin::reports

#include "protocol/receiver/delta_position.h"

#include <cmath>
#include <limits>

#include "protocol/presentation/control_names.h"
#include "protocol/presentation/format.h"

namespace navbin::reports {
namespace {

constexpr double kSemiMajorSquared = 40680631590769.0;
constexpr double kSemiMinorSquared = 40408299984087.055;
constexpr double kAxesSquaredDifference = 272331606681.9453;
constexpr double kAxesSquaredProduct = 1.6438351648619222e27;

}  // namespace

DeltaScales DeltaScalesAt(double latitude) {
  const double c = std::cos(latitude);
  const double d = kAxesSquaredDifference * c * c + kSemiMinorSquared;
  const double root = std::sqrt(d);
  return {kAxesSquaredProduct / (root * d), c * kSemiMajorSquared / root};
}

void takeDeltaReference(ReportGlobals& globals, double latitude, double longitude) {
  if (globals.deltaReferenceSet || !std::isfinite(latitude) || !std::isfinite(longitude)) return;
  auto& reference = globals.deltaReference;
  globals.deltaReferenceSet = 1;
  reference.latitude = latitude;
  reference.longitude = longitude;
  const DeltaScales scales = DeltaScalesAt(latitude);
  reference.latitudeScale = scales.latitudeScale;
  reference.longitudeScale = scales.longitudeScale;
}

void showDeltaPosition(ReportGlobals& globals, Display& display, double latitude,
                       double longitude) {
  takeDeltaReference(globals, latitude, longitude);
  const auto& reference = globals.deltaReference;
  double north = std::numeric_limits<double>::quiet_NaN();
  double east = north;
  if (globals.deltaReferenceSet) {
    north = (latitude - reference.latitude) * reference.latitudeScale;
    east = (longitude - reference.longitude) * reference.longitudeScale;
  }
  display.setText(Form::Main, names::Panel_DeltaLat, Format("%.2f", north));
  display.setText(Form::Main, names::Panel_DeltaLon, Format("%.2f", east));
}

}  // namespace navbin::reports

#pragma once
// Latitude and longitude as whole degrees, minutes and hemisphere letter.

#include <string>

namespace navbin::reports {

struct AngleTexts {
  std::string degrees;       // "28°" (UTF-8 degree sign)
  std::string minutes;       // "38.87341'"
  std::string hemisphere;    // "S"
  double signedDegrees = 0;  // the angle again, signed by the hemisphere letter
};

// Splits an angle in degrees: the hemisphere letter is `positive`, or
// `negative` for an angle below zero, whose magnitude is split; the degrees are
// truncated toward zero, the minutes (kept as a single) are the rest times 60.
// NaN and infinite angles and angles past the range of int show as printf
// prints them ("nan°", "nan'"), never through an undefined conversion.
AngleTexts SplitAngle(double degrees, char positive, char negative);

}  // namespace navbin::reports

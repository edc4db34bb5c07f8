#include "protocol/presentation/angle_text.h"

#include <cmath>

#include "protocol/presentation/format.h"

namespace navbin::reports {

AngleTexts SplitAngle(double degrees, char positive, char negative) {
  AngleTexts texts;
  char letter = positive;
  double d = degrees;
  if (d < 0) {
    letter = negative;
    d = -d;
  }
  const double whole = std::trunc(d);
  const float minutes = static_cast<float>((d - whole) * 60);
  if (whole < 2147483648.0) {  // false for NaN as well
    texts.degrees = Format("%d" NAVBIN_DEGREE_SIGN, static_cast<int>(whole));
  } else {
    texts.degrees = Format("%.0f" NAVBIN_DEGREE_SIGN, whole);
  }
  texts.minutes = Format("%.5f'", static_cast<double>(minutes));
  texts.hemisphere = Format("%c", letter);
  texts.signedDegrees = letter == negative ? -std::fabs(d) : std::fabs(d);
  return texts;
}

}  // namespace navbin::reports

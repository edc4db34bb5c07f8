#include "protocol/presentation/timing_texts.h"

#include <cmath>

#include "protocol/presentation/format.h"
#include "protocol/wire/units.h"

namespace navbin::reports {

std::string TimingAngleText(double radians) {
  const double d = radians * kDegreesPerRadian;
  if (!std::isfinite(d)) return Format("%f", d);
  const double whole = std::trunc(d);
  float r = static_cast<float>((d - whole) * 60);
  if (r < 0) r = -r;
  const float m = std::trunc(r);
  const float s = (r - m) * 60.0f;
  // Degrees past the range of int (a hostile report) print without a cast.
  const std::string degrees = std::fabs(whole) < 2147483648.0
                                  ? Format("%d", static_cast<int>(whole))
                                  : Format("%.0f", whole);
  const char* sign = (d < 0 && whole == 0) ? "-" : "";
  return Format("%s%s" NAVBIN_DEGREE_SIGN " %d' %.3f", sign, degrees.c_str(), static_cast<int>(m),
                static_cast<double>(s));
}

}  // namespace navbin::reports

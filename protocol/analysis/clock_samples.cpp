#include "protocol/analysis/clock_samples.h"

#include <cmath>

#include "protocol/wire/report_position_lla.h"
#include "protocol/wire/report_position_xyz.h"
#include "protocol/wire/report_primary_timing.h"
#include "protocol/wire/report_supplemental_timing.h"
#include "protocol/wire/report_velocity.h"
#include "protocol/wire/units.h"

namespace navbin::analysis {
namespace {

constexpr double kWeek = 604800;
constexpr double kLongestGap = kWeek;  // a longer step is a new start, not a gap

double MetresToSeconds(double metres) {
  return reports::MetresToNanoseconds(metres) * 1e-9;
}

}  // namespace

void ClockSampler::take(int id, std::span<const std::uint8_t> payload) {
  using namespace reports;
  using enum ClockQuantity;
  constexpr auto kNav = ClockSource::Navigation;
  const int subId = payload.empty() ? -1 : payload[0];
  if (id == 0x8F && subId == 0xAB) {
    if (const auto r = ParsePrimaryTiming(payload)) timingTime_ = r->timeOfWeek;
  } else if (id == 0x8F && subId == 0xAC) {
    if (const auto r = ParseSupplementalTiming(payload)) {
      sample(ClockSource::Timing, Bias, timingTime_, r->clockBias * 1e-9);
      sample(ClockSource::Timing, Rate, timingTime_, r->biasRate * 1e-9);
    }
  } else if (id == 0x4A) {
    if (const auto r = ParseLlaPosition(payload))
      sample(kNav, Bias, r->timeOfFix, MetresToSeconds(r->clockBias));
  } else if (id == 0x84) {
    if (const auto r = ParseDoubleLlaPosition(payload))
      sample(kNav, Bias, r->timeOfFix, MetresToSeconds(r->clockBias));
  } else if (id == 0x83) {
    if (const auto r = ParseDoubleXyzPosition(payload))
      sample(kNav, Bias, r->timeOfFix, MetresToSeconds(r->clockBias));
  } else if (id == 0x43) {
    if (const auto r = ParseXyzVelocity(payload))
      sample(kNav, Rate, r->timeOfFix, MetresToSeconds(r->biasRate));
  } else if (id == 0x56) {
    if (const auto r = ParseEnuVelocity(payload))
      sample(kNav, Rate, r->timeOfFix, MetresToSeconds(r->biasRate));
  }
}

void ClockSampler::sample(ClockSource source, ClockQuantity quantity, double time, double value) {
  double& last = last_[static_cast<std::size_t>(source) * 2 + static_cast<std::size_t>(quantity)];
  if (!std::isnan(last) && !std::isnan(time)) {
    double step = time - last;
    if (step < -kWeek / 2) step += kWeek;  // the week rolled over
    const double intervals = std::round(step / interval_);
    if (intervals == 0) return;
    if (intervals > 1 && intervals * interval_ <= kLongestGap) {
      for (double k = 1; k < intervals; ++k) {
        sink_(source, quantity, std::numeric_limits<double>::quiet_NaN());
      }
    }
  }
  last = time;
  sink_(source, quantity, value);
}

}  // namespace navbin::analysis

#include "tools/clock_series.h"

#include <cmath>
#include <limits>

#include "link/framing.h"
#include "protocol/wire/report_position_lla.h"
#include "protocol/wire/report_position_xyz.h"
#include "protocol/wire/report_primary_timing.h"
#include "protocol/wire/report_supplemental_timing.h"
#include "protocol/wire/report_velocity.h"
#include "protocol/wire/units.h"

namespace navbin::tools {

namespace {

constexpr double kUnknownTime = std::numeric_limits<double>::quiet_NaN();
constexpr double kWeek = 604800;
constexpr double kLongestGap = kWeek;  // a longer step is a new start, not a gap

struct TimedSample {
  double time;  // s of GPS week; NaN when not known
  double value;
};

struct Collected {
  std::vector<TimedSample> timingBias, timingRate, positionBias, velocityRate;
};

double MetresToSeconds(double metres) {
  return reports::MetresToNanoseconds(metres) * 1e-9;
}

void Collect(int id, std::span<const std::uint8_t> payload, double& timingTime, Collected& c) {
  using namespace reports;
  if (id == 0x8F && !payload.empty() && payload[0] == 0xAB) {
    if (const auto r = ParsePrimaryTiming(payload)) timingTime = r->timeOfWeek;
  } else if (id == 0x8F && !payload.empty() && payload[0] == 0xAC) {
    if (const auto r = ParseSupplementalTiming(payload)) {
      c.timingBias.push_back({timingTime, r->clockBias * 1e-9});
      c.timingRate.push_back({timingTime, r->biasRate * 1e-9});
    }
  } else if (id == 0x4A) {
    if (const auto r = ParseLlaPosition(payload)) {
      c.positionBias.push_back({r->timeOfFix, MetresToSeconds(r->clockBias)});
    }
  } else if (id == 0x84) {
    if (const auto r = ParseDoubleLlaPosition(payload)) {
      c.positionBias.push_back({r->timeOfFix, MetresToSeconds(r->clockBias)});
    }
  } else if (id == 0x83) {
    if (const auto r = ParseDoubleXyzPosition(payload)) {
      c.positionBias.push_back({r->timeOfFix, MetresToSeconds(r->clockBias)});
    }
  } else if (id == 0x43) {
    if (const auto r = ParseXyzVelocity(payload)) {
      c.velocityRate.push_back({r->timeOfFix, MetresToSeconds(r->biasRate)});
    }
  } else if (id == 0x56) {
    if (const auto r = ParseEnuVelocity(payload)) {
      c.velocityRate.push_back({r->timeOfFix, MetresToSeconds(r->biasRate)});
    }
  }
}

// Evenly spaced values: a sample at the time of the one before is a second
// report of the same fix and is dropped; a step of k intervals puts k - 1
// missing samples before it.
void Resample(const std::vector<TimedSample>& samples, double interval, ClockSeries& out) {
  double last = kUnknownTime;
  for (const TimedSample& s : samples) {
    if (!std::isnan(last) && !std::isnan(s.time)) {
      double step = s.time - last;
      if (step < -kWeek / 2) step += kWeek;  // the week rolled over
      const double intervals = std::round(step / interval);
      if (intervals == 0) continue;
      if (intervals > 1 && intervals * interval <= kLongestGap) {
        out.values.insert(out.values.end(), static_cast<std::size_t>(intervals) - 1,
                          std::numeric_limits<double>::quiet_NaN());
      }
    }
    last = s.time;
    out.values.push_back(s.value);
  }
}

}  // namespace

bool LooksLikeRecording(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) {
    if (b == link::kDle) return true;  // never in text
  }
  return false;
}

ClockSeries ReadClockSeries(std::span<const std::uint8_t> bytes, ClockQuantity quantity,
                            double interval) {
  link::Deframer deframer;
  Collected c;
  double timingTime = kUnknownTime;
  for (const std::uint8_t b : bytes) {
    if (deframer.feed(b)) Collect(deframer.packetId, deframer.payload(), timingTime, c);
  }
  const bool bias = quantity == ClockQuantity::Bias;
  ClockSeries out;
  if (!c.timingBias.empty()) {
    Resample(bias ? c.timingBias : c.timingRate, interval, out);
  } else {
    Resample(bias ? c.positionBias : c.velocityRate, interval, out);
  }
  return out;
}

}  // namespace navbin::tools

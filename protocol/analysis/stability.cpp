#include "protocol/analysis/stability.h"

#include <algorithm>
#include <cmath>

#include "protocol/analysis/chi_squared.h"

namespace navbin::analysis {

std::size_t NextAveragingFactor(std::size_t m) {
  std::size_t decade = 1;
  while (m >= 10 * decade) decade *= 10;
  const std::size_t digit = m / decade;
  if (digit < 2) return 2 * decade;
  if (digit < 5) return 5 * decade;
  return 10 * decade;
}

StabilityAccumulator::StabilityAccumulator(DataKind kind, double tau0) : kind_(kind), tau0_(tau0) {}

void StabilityAccumulator::add(double value) {
  if (kind_ == DataKind::Phase) {
    if (std::isfinite(value) && std::isnan(offset_)) offset_ = value;
    // A phase that is not finite, or overflows once the offset is off, is unknown.
    const double x = value - offset_;
    if (!std::isfinite(x)) spanFrom_ = phase_.size() + 1;
    addPhase(std::isfinite(x) ? x : kUnknown);
    return;
  }
  if (phase_.empty()) addPhase(0.0);
  // Past a missing frequency the phase is known up to a constant only: no
  // term may reach across it.
  const double x = phase_.back() + value * tau0_;
  if (!std::isfinite(x)) breakFrom_ = spanFrom_ = phase_.size();
  addPhase(std::isfinite(x) ? x : phase_.back());
}

void StabilityAccumulator::addPhase(double x) {
  const std::size_t n = phase_.size();
  phase_.push_back(x);
  while (2 * nextFactor_ <= n) {
    lags_.emplace_back().m = nextFactor_;
    nextFactor_ = NextAveragingFactor(nextFactor_);
  }
  if (std::isnan(x)) return;  // every term ending here would use it
  for (Lag& lag : lags_) update(lag, n);
}

double StabilityAccumulator::secondDifference(std::size_t start, std::size_t m) const {
  return phase_[start + 2 * m] - 2.0 * phase_[start + m] + phase_[start];
}

// Adds the terms of `lag` that end on phase point n. A term of ADEV, OADEV
// or HDEV uses only the points m apart, so an unknown point between them
// leaves it be; a term of MDEV uses every point of its span.
void StabilityAccumulator::update(Lag& lag, std::size_t n) {
  const std::size_t m = lag.m;
  const double d = secondDifference(n - 2 * m, m);
  if (n - 2 * m >= breakFrom_ && !std::isnan(d)) {
    lag.overlapping.add(d);
    if (n % m == 0) lag.allan.add(d);
  }
  if (n >= 3 * m && n - 3 * m >= breakFrom_) {
    const double third = d - secondDifference(n - 3 * m, m);
    if (!std::isnan(third)) lag.hadamard.add(third);
  }
  if (n + 1 < 3 * m || n + 1 - 3 * m < spanFrom_) {
    lag.windowValid = false;
    return;
  }
  // The modified variance sums m consecutive second differences: slide the
  // window by one where the previous one is current, else sum it afresh.
  const std::size_t start = n + 1 - 3 * m;
  if (lag.windowValid && lag.windowEnd + 1 == n) {
    lag.window += d - secondDifference(start - 1, m);
  } else {
    lag.window = 0;
    for (std::size_t i = start; i < start + m; ++i) lag.window += secondDifference(i, m);
  }
  lag.windowEnd = n;
  lag.windowValid = std::isfinite(lag.window);  // else summed afresh next time
  lag.modified.add(lag.window);
}

namespace {

// The deviation sqrt(squares / (scale * terms)) and its bounds.
Deviation Estimate(const auto& sum, double scale, double dofPerTerm) {
  Deviation out;
  out.terms = sum.terms;
  if (sum.terms == 0) return out;
  out.value = std::sqrt(sum.squares / (scale * static_cast<double>(sum.terms)));
  out.dof = std::max(1.0, static_cast<double>(sum.terms) * dofPerTerm);
  const DeviationBounds bounds = ChiSquaredBounds(out.value, out.dof, OneSigmaProbability());
  out.low = bounds.low;
  out.high = bounds.high;
  return out;
}

Deviation Scaled(Deviation d, double factor) {
  d.value *= factor;
  d.low *= factor;
  d.high *= factor;
  return d;
}

}  // namespace

StabilityPoint StabilityAccumulator::point(const Lag& lag) const {
  StabilityPoint p;
  p.m = lag.m;
  p.tau = static_cast<double>(lag.m) * tau0_;
  const double tau2 = p.tau * p.tau;
  const double m = static_cast<double>(lag.m);
  p.adev = Estimate(lag.allan, 2.0 * tau2, 1.0);
  p.oadev = Estimate(lag.overlapping, 2.0 * tau2, 1.0 / m);
  p.mdev = Estimate(lag.modified, 2.0 * m * m * tau2, 1.0 / m);
  p.hdev = Estimate(lag.hadamard, 6.0 * tau2, 1.0 / m);
  p.tdev = Scaled(p.mdev, p.tau / std::sqrt(3.0));
  return p;
}

std::vector<StabilityPoint> StabilityAccumulator::results() const {
  std::vector<StabilityPoint> out;
  out.reserve(lags_.size());
  for (const Lag& lag : lags_) out.push_back(point(lag));
  return out;
}

std::vector<StabilityPoint> ComputeStability(std::span<const double> data, DataKind kind,
                                             double tau0) {
  StabilityAccumulator accumulator(kind, tau0);
  for (const double v : data) accumulator.add(v);
  return accumulator.results();
}

}  // namespace navbin::analysis

#include "protocol/analysis/chi_squared.h"

#include <cmath>
#include <limits>

namespace navbin::analysis {

namespace {

constexpr double kEpsilon = 1e-15;
constexpr int kMaxTerms = 1000000;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Series of P(a, x), good for x < a + 1.
double GammaPSeries(double a, double x) {
  double term = 1.0 / a;
  double sum = term;
  for (int n = 1; n < kMaxTerms; ++n) {
    term *= x / (a + n);
    sum += term;
    if (std::fabs(term) < std::fabs(sum) * kEpsilon) break;
  }
  return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Continued fraction of Q(a, x) = 1 - P(a, x) (modified Lentz), for x >= a + 1.
double GammaQFraction(double a, double x) {
  constexpr double kTiny = 1e-300;
  double b = x + 1.0 - a;
  double c = 1.0 / kTiny;
  double d = 1.0 / b;
  double h = d;
  for (int n = 1; n < kMaxTerms; ++n) {
    const double an = -n * (n - a);
    b += 2.0;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1.0 / d;
    const double step = d * c;
    h *= step;
    if (std::fabs(step - 1.0) < kEpsilon) break;
  }
  return h * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

double NormalCdf(double z) {
  return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

// Bisection is plenty here: it runs once per quantile, not per sample.
double NormalQuantile(double p) {
  double lo = -40.0, hi = 40.0;
  for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
    const double mid = 0.5 * (lo + hi);
    (NormalCdf(mid) < p ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

// The Wilson-Hilferty approximation: good to a few parts in 1e5 from a few
// hundred degrees of freedom on, and a sound start below that.
double WilsonHilferty(double p, double dof) {
  const double k = 2.0 / (9.0 * dof);
  const double cube = 1.0 - k + NormalQuantile(p) * std::sqrt(k);
  return dof * cube * cube * cube;
}

double ChiSquaredDensity(double x, double dof) {
  const double a = 0.5 * dof;
  return 0.5 * std::exp((a - 1.0) * std::log(0.5 * x) - 0.5 * x - std::lgamma(a));
}

}  // namespace

double RegularisedGammaP(double a, double x) {
  if (!(a > 0) || std::isnan(x)) return kNaN;
  if (x <= 0) return 0.0;
  if (std::isinf(x)) return 1.0;
  return x < a + 1.0 ? GammaPSeries(a, x) : 1.0 - GammaQFraction(a, x);
}

double ChiSquaredQuantile(double p, double dof) {
  if (!(p > 0 && p < 1) || !(dof > 0) || std::isinf(dof)) return kNaN;
  constexpr double kLargeDof = 2000;
  if (dof > kLargeDof) return WilsonHilferty(p, dof);

  // Newton's method on P(dof/2, x/2) = p, kept inside a bracket that
  // bisection narrows whenever a step would leave it.
  const double a = 0.5 * dof;
  double lo = 0.0, hi = std::fmax(1.0, 2.0 * dof);
  while (RegularisedGammaP(a, 0.5 * hi) < p) hi *= 2.0;
  double x = WilsonHilferty(p, dof);
  if (!(x > lo && x < hi)) x = 0.5 * (lo + hi);
  for (int i = 0; i < 200; ++i) {
    const double f = RegularisedGammaP(a, 0.5 * x) - p;
    (f < 0 ? lo : hi) = x;
    const double density = ChiSquaredDensity(x, dof);
    double next = density > 0 ? x - f / density : 0.5 * (lo + hi);
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::fabs(next - x) <= 1e-13 * x) return next;
    x = next;
  }
  return x;
}

DeviationBounds ChiSquaredBounds(double sigma, double dof, double probability) {
  const double tail = 0.5 * (1.0 - probability);
  return {sigma * std::sqrt(dof / ChiSquaredQuantile(1.0 - tail, dof)),
          sigma * std::sqrt(dof / ChiSquaredQuantile(tail, dof))};
}

double OneSigmaProbability() {
  return std::erf(1.0 / std::sqrt(2.0));
}

}  // namespace navbin::analysis

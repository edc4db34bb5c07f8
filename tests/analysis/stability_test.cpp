// The stability estimators on the published nine-point and 1000-point test
// sets, against sums written out by their definitions, with gaps, and fed
// piecewise.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "protocol/analysis/chi_squared.h"
#include "protocol/analysis/stability.h"

namespace navbin::analysis {
namespace {

const double kNaN = std::nan("");

std::vector<double> ToPhase(const std::vector<double>& y) {
  std::vector<double> x{0.0};
  for (const double v : y) x.push_back(x.back() + v);
  return x;
}

// sqrt(mean of term(i)^2 / scale) over the terms of span `span` that start
// at a multiple of `stride`, leaving out those that touch a non-finite phase.
double ByDefinition(const std::vector<double>& x, std::size_t span, std::size_t stride,
                    double scale, const std::function<double(std::size_t)>& term) {
  double sum = 0;
  int terms = 0;
  for (std::size_t i = 0; i + span < x.size(); i += stride) {
    const double t = term(i);
    if (!std::isfinite(t)) continue;
    sum += t * t;
    ++terms;
  }
  return std::sqrt(sum / (scale * terms));
}

// ADEV, OADEV, MDEV, HDEV at factor m, tau0 = 1.
std::vector<double> Reference(const std::vector<double>& x, std::size_t m) {
  const double t2 = double(m * m);
  auto d2 = [&](std::size_t i) { return x[i + 2 * m] - 2 * x[i + m] + x[i]; };
  auto mod = [&](std::size_t j) {
    double s = 0;
    for (std::size_t i = j; i < j + m; ++i) s += d2(i);
    return s;
  };
  auto d3 = [&](std::size_t i) { return x[i + 3 * m] - 3 * x[i + 2 * m] + 3 * x[i + m] - x[i]; };
  return {ByDefinition(x, 2 * m, m, 2 * t2, d2), ByDefinition(x, 2 * m, 1, 2 * t2, d2),
          ByDefinition(x, 3 * m - 1, 1, 2 * t2 * t2, mod), ByDefinition(x, 3 * m, 1, 6 * t2, d3)};
}

std::vector<double> Values(const StabilityPoint& p) {
  return {p.adev.value, p.oadev.value, p.mdev.value, p.hdev.value, p.tdev.value};
}

const StabilityPoint& At(const std::vector<StabilityPoint>& points, std::size_t m) {
  for (const auto& p : points) {
    if (p.m == m) return p;
  }
  throw std::out_of_range("no such averaging factor");
}

TEST(Stability, NinePointSetFromFrequencyAndFromPhase) {
  const std::vector<double> y{892, 809, 823, 798, 671, 644, 883, 903, 677};
  const std::vector<std::vector<double>> expected{
      {91.22945, 91.22945, 91.22945, 70.80607, 52.67135},
      {115.8082, 85.95287, 74.78849, 85.61487, 86.35831}};
  for (const auto& results : {ComputeStability(y, DataKind::Frequency, 1),
                              ComputeStability(ToPhase(y), DataKind::Phase, 1)}) {
    ASSERT_EQ(results.size(), 2u);  // m = 5 needs 11 phase points
    for (std::size_t m = 1; m <= 2; ++m) {
      const auto got = Values(results[m - 1]);
      for (std::size_t k = 0; k < got.size(); ++k) {
        EXPECT_NEAR(got[k], expected[m - 1][k], 5e-7 * expected[m - 1][k]) << m << " " << k;
      }
    }
    const Deviation& a = results[0].adev;
    EXPECT_EQ(a.terms, 8u);
    EXPECT_TRUE(a.low < a.value && a.value < a.high);
  }
}

std::vector<double> ThousandPointSet() {
  std::vector<double> y;
  std::uint64_t n = 1234567890;
  for (int i = 0; i < 1000; ++i) {
    n = n * 16807 % 2147483647;
    y.push_back(double(n) / 2147483647.0);
  }
  return y;
}

TEST(Stability, MatchesTheDefinitionsWithAndWithoutGaps) {
  std::vector<double> x = ToPhase(ThousandPointSet());
  for (bool gaps : {false, true}) {
    if (gaps) x[17] = x[500] = kNaN, x[640] = INFINITY;
    const auto results = ComputeStability(x, DataKind::Phase, 1);
    for (const std::size_t m : {1u, 10u, 100u}) {
      const auto want = Reference(x, m);
      const auto got = Values(At(results, m));
      for (std::size_t k = 0; k < want.size(); ++k) {
        EXPECT_NEAR(got[k], want[k], 1e-9 * want[k]) << gaps << " " << m << " " << k;
      }
    }
  }
}

TEST(Stability, PiecewiseEqualsBatchAndFrequencyGapsCutOnlyTheirTerms) {
  std::vector<double> y = ThousandPointSet();
  y[333] = kNaN;
  StabilityAccumulator piecewise(DataKind::Frequency, 1);
  for (std::size_t i = 0; i < y.size(); ++i) {
    piecewise.add(y[i]);
    if (i == 400) piecewise.results();
  }
  const auto batch = ComputeStability(y, DataKind::Frequency, 1);
  const auto head = ComputeStability({y.data(), 333}, DataKind::Frequency, 1);
  const auto tail = ComputeStability({y.data() + 334, 666}, DataKind::Frequency, 1);
  ASSERT_EQ(piecewise.results().size(), batch.size());
  for (std::size_t m : {1u, 2u, 5u, 10u}) {
    EXPECT_EQ(Values(At(piecewise.results(), m)), Values(At(batch, m)));
    // Second differences of the phase on either side of the gap, nothing across it.
    auto sumOf = [m](const std::vector<StabilityPoint>& r) {
      const Deviation& d = At(r, m).oadev;
      return d.value * d.value * double(d.terms);
    };
    EXPECT_EQ(At(batch, m).oadev.terms, At(head, m).oadev.terms + At(tail, m).oadev.terms);
    EXPECT_NEAR(sumOf(batch), sumOf(head) + sumOf(tail), 1e-9 * sumOf(batch));
  }
}

TEST(ChiSquared, QuantilesInvertTheDistribution) {
  // P(k, x) for whole k has the closed form 1 - e^-x sum_{j<k} x^j / j!.
  for (int k = 1; k <= 5; ++k) {
    for (double x : {0.5, 3.0, 20.0}) {
      double sum = 0, term = 1;
      for (int j = 0; j < k; ++j, term *= x / j) sum += term;
      EXPECT_NEAR(RegularisedGammaP(k, x), 1 - std::exp(-x) * sum, 1e-13);
    }
  }
  EXPECT_NEAR(ChiSquaredQuantile(0.8413447, 2), -2 * std::log(1 - 0.8413447), 1e-9);
  for (double dof : {0.7, 1.0, 7.5, 150.0, 1999.0}) {
    for (double p : {1e-6, 0.158655, 0.5, 0.841345, 0.999}) {
      EXPECT_NEAR(RegularisedGammaP(dof / 2, ChiSquaredQuantile(p, dof) / 2), p, 1e-9);
    }
  }
  EXPECT_NEAR(ChiSquaredQuantile(0.841345, 1e5), 1e5 + std::sqrt(2e5), 1.0);
  EXPECT_TRUE(std::isnan(ChiSquaredQuantile(0, 3)));
  EXPECT_TRUE(std::isnan(ChiSquaredQuantile(0.5, -1)));
}

}  // namespace
}  // namespace navbin::analysis

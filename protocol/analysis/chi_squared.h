#pragma once
// The chi-squared distribution, for the confidence intervals of the
// stability estimators.

namespace navbin::analysis {

// P(a, x): the regularised lower incomplete gamma function, 0 <= P <= 1.
double RegularisedGammaP(double a, double x);

// The x with P(chi-squared with `dof` degrees of freedom <= x) = p, for
// 0 < p < 1 and dof > 0; NaN outside that.
double ChiSquaredQuantile(double p, double dof);

// Bounds of a deviation `sigma` estimated with `dof` equivalent degrees of
// freedom, covering `probability` of the two-sided interval.
struct DeviationBounds {
  double low;
  double high;
};
DeviationBounds ChiSquaredBounds(double sigma, double dof, double probability);

// The probability of one standard deviation either side of the mean, 68.27 %.
double OneSigmaProbability();

}  // namespace navbin::analysis

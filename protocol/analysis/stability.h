#pragma once
// Frequency stability of a clock from its phase x (seconds) or fractional
// frequency y, sampled every tau0 seconds: Allan deviation (non-overlapping
// and overlapping), modified Allan, overlapping Hadamard and time deviation at
// averaging factors m = 1, 2, 5, 10, 20, 50, ... (tau = m tau0).
//
// Frequency data becomes phase by x[i+1] = x[i] + y[i] tau0, from x[0] = 0.
// With N phase points an averaging factor is reported once N >= 2m + 1; at it
//   ADEV, OADEV  need N >= 2m + 1 (second differences of x over m),
//   MDEV, TDEV   need N >= 3m     (m second differences summed),
//   HDEV         needs N >= 3m + 1 (third differences of x over m),
// and an estimator without a term has no value there.
//
// The accumulator keeps the phase and, per averaging factor, running sums of
// the squared differences and the sliding sum that the modified variance
// needs, so each new sample costs one step per averaging factor and
// results() can be asked at any time.
//
// Gaps: a non-finite sample (NaN for a missing one), or one whose phase
// overflows a double, keeps its place in time but is never used. A missing
// phase point leaves out every term that uses it: the ADEV, OADEV and HDEV
// terms with a point on it, and the MDEV and TDEV terms whose span holds it
// (they use every point of their span). A missing frequency leaves the phase
// after it known only up to a constant, which every difference cancels, so
// exactly the terms that reach across the missing interval are left out. The
// estimates come from the other terms.
//
// Confidence intervals: chi-squared bounds for 68.3 % (one sigma) with a
// noise-type-free estimate of the equivalent degrees of freedom: the number
// of non-overlapping terms, i.e. terms / m for the overlapped estimators and
// the term count for ADEV (exact for ADEV with white frequency noise, and
// below the true value for the overlapped ones, so their bounds are wide
// rather than narrow). TDEV takes the bounds of MDEV, scaled.

#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace navbin::analysis {

enum class DataKind { Phase, Frequency };

// One estimator at one averaging time.
struct Deviation {
  double value = std::numeric_limits<double>::quiet_NaN();
  std::size_t terms = 0;  // squared differences in the sum
  double dof = 0;         // equivalent degrees of freedom
  double low = std::numeric_limits<double>::quiet_NaN();
  double high = std::numeric_limits<double>::quiet_NaN();

  bool present() const { return terms > 0; }
};

struct StabilityPoint {
  std::size_t m = 0;  // averaging factor
  double tau = 0;     // s
  Deviation adev, oadev, mdev, hdev, tdev;
};

// 1, 2, 5, 10, 20, 50, ...: the averaging factor after `m`.
std::size_t NextAveragingFactor(std::size_t m);

class StabilityAccumulator {
 public:
  StabilityAccumulator(DataKind kind, double tau0);

  void add(double value);
  // One point per averaging factor reached so far, shortest first.
  std::vector<StabilityPoint> results() const;
  std::size_t phasePoints() const { return phase_.size(); }

 private:
  struct Sum {
    double squares = 0;
    std::size_t terms = 0;
    void add(double v) {
      squares += v * v;
      ++terms;
    }
  };
  struct Lag {
    std::size_t m = 0;
    Sum allan, overlapping, modified, hadamard;
    double window = 0;  // sum of the m second differences of the newest MDEV term
    std::size_t windowEnd = 0;
    bool windowValid = false;
  };

  void addPhase(double x);
  void update(Lag& lag, std::size_t n);
  double secondDifference(std::size_t start, std::size_t m) const;
  StabilityPoint point(const Lag& lag) const;

  static constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

  DataKind kind_;
  double tau0_;
  std::vector<double> phase_;
  double offset_ = std::numeric_limits<double>::quiet_NaN();  // first phase, taken off
  // The first point a term may start on: past the newest missing frequency,
  // and for the terms that use their whole span past the newest unknown point.
  std::size_t breakFrom_ = 0;
  std::size_t spanFrom_ = 0;
  std::vector<Lag> lags_;
  std::size_t nextFactor_ = 1;
};

// All of `data` through one accumulator.
std::vector<StabilityPoint> ComputeStability(std::span<const double> data, DataKind kind,
                                             double tau0);

}  // namespace navbin::analysis

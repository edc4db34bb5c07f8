#pragma once
// The results of the stability estimators as CSV or one JSON object: one row
// per averaging time with each deviation and its 68.3 % bounds.

#include <string>
#include <vector>

#include "protocol/analysis/stability.h"

namespace navbin::analysis {

// The five deviations in table order: CSV name, title, member.
struct DeviationColumn {
  const char* name;
  const char* title;
  Deviation StabilityPoint::*deviation;
};
inline constexpr DeviationColumn kDeviationColumns[] = {
    {"adev", "ADEV", &StabilityPoint::adev}, {"oadev", "OADEV", &StabilityPoint::oadev},
    {"mdev", "MDEV", &StabilityPoint::mdev}, {"hdev", "HDEV", &StabilityPoint::hdev},
    {"tdev", "TDEV", &StabilityPoint::tdev},
};

// A row of the window's table: tau, n, then each deviation to 4 significant
// digits (empty where it has no value), the same in every locale.
std::vector<std::string> StabilityRowTexts(const StabilityPoint& point);

// tau, n (terms of the overlapping Allan deviation), the five deviations,
// then <name>_lo,<name>_hi for each; an empty cell where a deviation has no
// value at that tau.
std::string StabilityCsv(const std::vector<StabilityPoint>& points);

// {"tau0":..,"points":..,"rows":[{"tau":..,"m":..,"n":..,"adev":{"value":..,
// "lo":..,"hi":..,"terms":..,"edf":..} or null, ...}]}
std::string StabilityJson(const std::vector<StabilityPoint>& points, double tau0,
                          std::size_t phasePoints);

}  // namespace navbin::analysis

#pragma once
// The stability of a clock on log-log axes: each chosen deviation against the
// averaging time with its confidence interval as error bars, TDEV (seconds)
// on an axis of its own at the right, and the slopes of the common noise
// types (tau^-1, tau^-1/2, tau^0, tau^1/2) as faint guide lines through the
// first point. Wheel and drag zoom and pan; a double click fits it again.

#include <qcustomplot.h>
#include <array>
#include <vector>

#include "protocol/analysis/stability.h"

namespace navbin::ui {

inline constexpr std::size_t kDeviationCount = 5;  // analysis::kDeviationColumns
using DeviationChoice = std::array<bool, kDeviationCount>;

class StabilityPlot : public QCustomPlot {
  Q_OBJECT
 public:
  explicit StabilityPlot(QWidget* parent);

  void show(const std::vector<analysis::StabilityPoint>& points, const DeviationChoice& chosen);
  // Points of deviation `column` (table order) as drawn.
  int pointCount(std::size_t column) const;
  void fit();

 private:
  void drawGuides(const std::vector<analysis::StabilityPoint>& points,
                  const DeviationChoice& chosen);

  std::array<QCPGraph*, kDeviationCount> curves_{};
  std::array<QCPErrorBars*, kDeviationCount> bars_{};
  std::vector<QCPGraph*> guides_;
  std::vector<QCPItemText*> guideLabels_;
};

}  // namespace navbin::ui

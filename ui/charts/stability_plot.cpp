#include "ui/charts/stability_plot.h"

#include <cmath>

#include "protocol/analysis/stability_table.h"

namespace navbin::ui {
namespace {

using analysis::kDeviationColumns;

const QColor kColours[kDeviationCount] = {Qt::darkCyan, Qt::blue, Qt::darkGreen, Qt::darkMagenta,
                                          Qt::red};
constexpr std::size_t kTdev = 4;

struct Slope {
  double exponent;
  const char* label;
};
constexpr Slope kSlopes[] = {{-1, "τ^-1"}, {-0.5, "τ^-1/2"}, {0, "τ^0"}, {0.5, "τ^1/2"}};

// Decades labelled as powers of ten, or as plain numbers ("gb").
void LogAxis(QCPAxis* axis, const QString& label, const char* format = "eb") {
  axis->setScaleType(QCPAxis::stLogarithmic);
  axis->setTicker(QSharedPointer<QCPAxisTickerLog>::create());
  axis->setNumberFormat(format);
  axis->setNumberPrecision(format[0] == 'e' ? 0 : 6);
  axis->setLabel(label);
}

}  // namespace

StabilityPlot::StabilityPlot(QWidget* parent) : QCustomPlot(parent) {
  setObjectName("Chart_Stability");
  setFixedSize(640, 380);
  setViewport(rect());  // a plot never shown gets no resize event
  LogAxis(xAxis, "Averaging time τ (s)", "gb");
  LogAxis(yAxis, "σ(τ)");
  LogAxis(yAxis2, "TDEV (s)");
  xAxis->grid()->setSubGridVisible(true);
  yAxis->grid()->setSubGridVisible(true);
  for (std::size_t i = 0; i < kDeviationCount; ++i) {
    QCPAxis* values = i == kTdev ? yAxis2 : yAxis;
    curves_[i] = addGraph(xAxis, values);
    curves_[i]->setName(kDeviationColumns[i].title);
    curves_[i]->setPen(QPen(kColours[i], 1.5));
    curves_[i]->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 5));
    bars_[i] = new QCPErrorBars(xAxis, values);
    bars_[i]->setDataPlottable(curves_[i]);
    bars_[i]->setPen(QPen(kColours[i]));
    bars_[i]->removeFromLegend();
  }
  for (const Slope& s : kSlopes) {
    QCPGraph* guide = addGraph();
    guide->setPen(QPen(QColor(0, 0, 0, 60), 1, Qt::DashLine));
    guide->removeFromLegend();
    guides_.push_back(guide);
    auto* label = new QCPItemText(this);
    label->setText(s.label);
    label->setColor(QColor(0, 0, 0, 120));
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    guideLabels_.push_back(label);
  }
  legend->setVisible(true);
  axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
  setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  connect(this, &QCustomPlot::mouseDoubleClick, this, &StabilityPlot::fit);
}

void StabilityPlot::show(const std::vector<analysis::StabilityPoint>& points,
                         const DeviationChoice& chosen) {
  for (std::size_t i = 0; i < kDeviationCount; ++i) {
    QVector<double> tau, value, minus, plus;
    for (const auto& p : points) {
      const analysis::Deviation& d = p.*kDeviationColumns[i].deviation;
      if (!chosen[i] || !d.present() || !(d.value > 0)) continue;
      tau.append(p.tau);
      value.append(d.value);
      // Error bars need both bounds; a missing one draws none on that side.
      minus.append(std::isfinite(d.low) ? d.value - d.low : 0);
      plus.append(std::isfinite(d.high) ? d.high - d.value : 0);
    }
    curves_[i]->setData(tau, value, true);
    bars_[i]->setData(minus, plus);
    curves_[i]->setVisible(chosen[i]);
    bars_[i]->setVisible(chosen[i]);
    if (chosen[i]) {
      curves_[i]->addToLegend();
    } else {
      curves_[i]->removeFromLegend();
    }
  }
  yAxis2->setVisible(chosen[kTdev]);
  drawGuides(points, chosen);
  fit();
}

// Each slope through the first point of the first deviation shown, across
// the taus shown.
void StabilityPlot::drawGuides(const std::vector<analysis::StabilityPoint>& points,
                               const DeviationChoice& chosen) {
  const analysis::Deviation* anchor = nullptr;
  for (std::size_t i = 0; i < kTdev && !points.empty() && !anchor; ++i) {
    const analysis::Deviation& d = points.front().*kDeviationColumns[i].deviation;
    if (chosen[i] && d.value > 0) anchor = &d;
  }
  for (std::size_t k = 0; k < guides_.size(); ++k) {
    guides_[k]->data()->clear();
    guideLabels_[k]->setVisible(anchor != nullptr);
    if (!anchor) continue;
    const double first = points.front().tau, last = points.back().tau;
    const double at = anchor->value * std::pow(last / first, kSlopes[k].exponent);
    guides_[k]->setData({first, last}, {anchor->value, at}, true);
    guideLabels_[k]->position->setCoords(last, at);
  }
}

// The axes span the deviations shown; the guides are laid over them.
void StabilityPlot::fit() {
  bool keyFitted = false, leftFitted = false, rightFitted = false;
  for (QCPGraph* curve : curves_) {
    if (!curve->visible() || curve->data()->isEmpty()) continue;
    bool& valueFitted = curve->valueAxis() == yAxis ? leftFitted : rightFitted;
    curve->rescaleKeyAxis(keyFitted);
    curve->rescaleValueAxis(valueFitted);
    keyFitted = valueFitted = true;
  }
  for (QCPAxis* axis : {xAxis, yAxis, yAxis2}) {
    const QCPRange r = axis->range();
    if (r.lower > 0 && r.upper > r.lower) axis->setRange(r.lower / 1.5, r.upper * 1.5);
  }
  replot();
}

int StabilityPlot::pointCount(std::size_t column) const {
  return curves_.at(column)->data()->size();
}

}  // namespace navbin::ui

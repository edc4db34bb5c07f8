#include "ui/charts/series_chart.h"

#include <cmath>
#include <limits>

#include "protocol/history/chart_geometry.h"
#include "ui/charts/unit_ticker.h"

namespace navbin::ui {
namespace {

// A pause longer than this between two points breaks the line.
constexpr double kGapSeconds = 10;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Value = double (*)(const reports::SeriesPoint&);
// The values of each strip's lines, in the order addStrip gets the colours.
const std::vector<std::vector<Value>> kStripValues{
    {[](const reports::SeriesPoint& s) { return s.clockBias; }},
    {[](const reports::SeriesPoint& s) { return double(s.biasRate); }},
    {[](const reports::SeriesPoint& s) { return double(s.pdop); },
     [](const reports::SeriesPoint& s) { return double(s.hdop); }},
    {[](const reports::SeriesPoint& s) { return double(s.svsUsed); }},
};

}  // namespace

SeriesChart::SeriesChart(HistorySource source, QWidget* parent)
    : QCustomPlot(parent), source_(std::move(source)), span_(reports::kDefaultSpan) {
  setObjectName("Chart_Series");
  setFixedSize(688, 400);
  setViewport(rect());  // a chart never shown gets no resize event
  plotLayout()->clear();
  auto* margins = new QCPMarginGroup(this);
  addStrip("Clock bias", "ns", {Qt::blue});
  addStrip("Bias rate", "ppb", {Qt::darkMagenta});
  addStrip("PDOP, HDOP", "", {Qt::red, Qt::darkGreen});
  addStrip("SVs used", "", {Qt::black});
  for (const Strip& s : strips_) s.rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
  timeAxis()->setTickLabels(true);
  setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  connect(this, &QCustomPlot::mousePress, this, &SeriesChart::stopFollowing);
  connect(this, &QCustomPlot::mouseWheel, this, &SeriesChart::stopFollowing);
  connect(this, &QCustomPlot::mouseDoubleClick, this, &SeriesChart::resetView);
}

void SeriesChart::addStrip(const QString& title, const QString& unit, std::vector<QColor> colours) {
  Strip strip;
  strip.rect = new QCPAxisRect(this);
  strip.rect->setRangeDrag(Qt::Horizontal);
  strip.rect->setRangeZoom(Qt::Horizontal);
  strip.rect->setMinimumMargins(QMargins(0, 4, 0, 0));
  plotLayout()->addElement(static_cast<int>(strips_.size()), 0, strip.rect);
  QCPAxis* time = strip.rect->axis(QCPAxis::atBottom);
  time->setTicker(UtcTicker("hh:mm"));
  time->setTickLabels(false);
  QCPAxis* value = strip.rect->axis(QCPAxis::atLeft);
  value->setTicker(QSharedPointer<UnitTicker>::create(unit));
  value->setLabel(title);
  value->ticker()->setTickCount(3);
  connect(time, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
          &SeriesChart::shareTimeRange);
  for (const QColor& colour : colours) {
    auto* line = new QCPGraph(time, value);
    line->setPen(QPen(colour, 1.5));
    line->setAdaptiveSampling(true);
    strip.lines.push_back(line);
  }
  strips_.push_back(strip);
}

QCPAxis* SeriesChart::timeAxis() const {
  return strips_.back().rect->axis(QCPAxis::atBottom);
}

QCPAxis* SeriesChart::valueAxis(int strip) const {
  return strips_.at(static_cast<std::size_t>(strip)).rect->axis(QCPAxis::atLeft);
}

void SeriesChart::setSpan(int index) {
  if (index < 0 || index >= static_cast<int>(reports::kSeriesSpans.size())) return;
  span_ = index;
  resetView();
}

void SeriesChart::resetView() {
  following_ = true;
  refresh();
}

void SeriesChart::refresh() {
  const reports::PortHistory* history = source_ ? source_() : nullptr;
  if (history && !history->series.empty()) {
    loadSeries(*history);
  } else {
    for (const Strip& s : strips_) {
      for (QCPGraph* line : s.lines) line->data()->clear();
    }
  }
  const bool dated = history && history->timeBase.known();
  timeAxis()->setLabel(dated ? "Time (UTC)" : "GPS time of week");
  if (following_) showSpan(newest_);
  fitValues();
  replot();
}

// Each line's points at their UTC times, a NaN point where a pause breaks it.
void SeriesChart::loadSeries(const reports::PortHistory& history) {
  const auto& series = history.series;
  for (std::size_t s = 0; s < strips_.size(); ++s) {
    for (std::size_t l = 0; l < strips_[s].lines.size(); ++l) {
      const Value value = kStripValues[s][l];
      QVector<QCPGraphData> points;
      points.reserve(static_cast<int>(series.size()));
      double last = kNaN;
      for (std::size_t i = 0; i < series.size(); ++i) {
        const double t = reports::UtcSecondsOf(history.timeBase, series[i].timeOfFix);
        if (!points.isEmpty() && !(t - last <= kGapSeconds)) points.append({last + 1, kNaN});
        const double v = value(series[i]);
        points.append({t, std::isfinite(v) ? v : kNaN});  // a NaN breaks the line
        last = t;
      }
      strips_[s].lines[l]->data()->set(points, true);
    }
  }
  newest_ = reports::UtcSecondsOf(history.timeBase, series.newest().timeOfFix);
}

void SeriesChart::showSpan(double newest) {
  const double seconds = reports::kSeriesSpans[static_cast<std::size_t>(span_)].seconds;
  timeAxis()->setRange(newest - seconds, newest);
  // Seconds matter on the shortest span only.
  const QString format = seconds <= 600 ? "hh:mm:ss" : seconds <= 21600 ? "hh:mm" : "MMM d\nhh:mm";
  for (const Strip& s : strips_) {
    qSharedPointerCast<QCPAxisTickerDateTime>(s.rect->axis(QCPAxis::atBottom)->ticker())
        ->setDateTimeFormat(format);
  }
}

// Every value axis spans the values in view, a little wider.
void SeriesChart::fitValues() {
  const QCPRange time = timeAxis()->range();
  for (const Strip& s : strips_) {
    QCPRange all;
    bool any = false;
    for (QCPGraph* line : s.lines) {
      bool found = false;
      const QCPRange r = line->getValueRange(found, QCP::sdBoth, time);
      if (!found) continue;
      all = any ? QCPRange(std::min(all.lower, r.lower), std::max(all.upper, r.upper)) : r;
      any = true;
    }
    if (!any) all = QCPRange(0, 1);
    const double pad = all.size() < 1e-9 ? 1 : all.size() * 0.05;
    s.rect->axis(QCPAxis::atLeft)->setRange(all.lower - pad, all.upper + pad);
  }
}

// A drag or zoom on one strip moves them all.
void SeriesChart::shareTimeRange(const QCPRange& range) {
  if (sharing_) return;
  sharing_ = true;
  for (const Strip& s : strips_) s.rect->axis(QCPAxis::atBottom)->setRange(range);
  sharing_ = false;
  if (!following_) fitValues();
}

std::vector<int> SeriesChart::pointCounts() const {
  std::vector<int> counts;
  for (const Strip& s : strips_) {
    int n = 0;
    for (auto it = s.lines[0]->data()->constBegin(); it != s.lines[0]->data()->constEnd(); ++it) {
      if (std::isfinite(it->value)) ++n;
    }
    counts.push_back(n);
  }
  return counts;
}

}  // namespace navbin::ui

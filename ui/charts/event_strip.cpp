#include "ui/charts/event_strip.h"

#include <cmath>

#include "ui/charts/unit_ticker.h"

namespace navbin::ui {
namespace {

// How close the pointer must come to a mark to show its hint.
constexpr double kHintReach = 6;
// Height beside a strip of the time series.
constexpr double kHeight = 1.8;
constexpr int kLaneCount = static_cast<int>(std::size(reports::kLaneNames));

double LaneValue(const reports::TimelineEvent& event) {
  return static_cast<double>(reports::LaneOf(event.kind));
}

QCPGraph* MarkGraph(QCPAxisRect* rect, const QColor& colour) {
  auto* graph = new QCPGraph(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
  graph->setLineStyle(QCPGraph::lsNone);
  graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, colour, colour, 7));
  return graph;
}

}  // namespace

EventStrip::EventStrip(QCustomPlot* plot, int row) : rect_(new QCPAxisRect(plot)) {
  rect_->setRangeDrag(Qt::Horizontal);
  rect_->setRangeZoom(Qt::Horizontal);
  rect_->setMinimumMargins(QMargins(0, 4, 0, 0));
  plot->plotLayout()->addElement(row, 0, rect_);
  plot->plotLayout()->setRowStretchFactor(row, kHeight);
  timeAxis()->setTicker(UtcTicker("hh:mm"));
  auto lanes = QSharedPointer<QCPAxisTickerText>::create();
  for (int i = 0; i < kLaneCount; ++i) lanes->addTick(i, reports::kLaneNames[i]);
  laneAxis()->setTicker(lanes);
  laneAxis()->setRangeReversed(true);  // the first lane on top
  laneAxis()->setRange(-0.6, kLaneCount - 0.4);
  laneAxis()->grid()->setVisible(false);
  trouble_ = MarkGraph(rect_, Qt::red);
  fine_ = MarkGraph(rect_, Qt::darkGreen);
}

void EventStrip::load(const reports::BoundedRing<reports::TimelineEvent>& events) {
  events_.clear();
  QVector<QCPGraphData> trouble, fine;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const reports::TimelineEvent& e = events[i];
    events_.push_back(e);
    (reports::IsTrouble(e) ? trouble : fine).append({e.utc, LaneValue(e)});
  }
  trouble_->data()->set(trouble);
  fine_->data()->set(fine);
}

void EventStrip::clear() {
  events_.clear();
  trouble_->data()->clear();
  fine_->data()->clear();
}

std::optional<double> EventStrip::newest() const {
  if (events_.empty()) return std::nullopt;
  return events_.back().utc;
}

QPointF EventStrip::pixelOf(const reports::TimelineEvent& event) const {
  return {timeAxis()->coordToPixel(event.utc), laneAxis()->coordToPixel(LaneValue(event))};
}

QString EventStrip::hintAt(const QPointF& pixel) const {
  // The newest marks stand on the strip's right edge.
  const int reach = static_cast<int>(kHintReach);
  if (!rect_->rect().adjusted(-reach, -reach, reach, reach).contains(pixel.toPoint())) return {};
  QStringList hints;
  for (const reports::TimelineEvent& e : events_) {
    if (QLineF(pixel, pixelOf(e)).length() <= kHintReach) {
      hints.append(QString::fromStdString(reports::EventHint(e)));
    }
  }
  return hints.join('\n');
}

}  // namespace navbin::ui

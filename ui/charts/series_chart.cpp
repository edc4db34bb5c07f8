#include "ui/charts/series_chart.h"

#include <QToolTip>
#include <cmath>
#include <limits>

#include "protocol/history/chart_geometry.h"
#include "ui/charts/unit_ticker.h"

namespace navbin::ui {
namespace {

// A pause longer than this between two points breaks the line.
constexpr double kGapSeconds = 10;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Appends the point at `t`, a NaN point first where a pause breaks the line;
// a value that is not a number breaks it too.
void Append(SeriesChart::Points& points, double t, double value) {
  if (!points.isEmpty() && !(t - points.last().key <= kGapSeconds)) {
    points.append({points.last().key + 1, kNaN});
  }
  points.append({t, std::isfinite(value) ? value : kNaN});
}

using Value = double (*)(const reports::SeriesPoint&);

template <Value value>
void SeriesLine(const reports::PortHistory& history, SeriesChart::Points& points) {
  for (std::size_t i = 0; i < history.series.size(); ++i) {
    const reports::SeriesPoint& p = history.series[i];
    Append(points, reports::UtcSecondsOf(history.timeBase, p.timeOfFix), value(p));
  }
}

double ClockBias(const reports::SeriesPoint& s) {
  return s.clockBias;
}
double BiasRate(const reports::SeriesPoint& s) {
  return s.biasRate;
}
double Pdop(const reports::SeriesPoint& s) {
  return s.pdop;
}
double Hdop(const reports::SeriesPoint& s) {
  return s.hdop;
}
double SvsUsed(const reports::SeriesPoint& s) {
  return s.svsUsed;
}

void PcOffsetLine(const reports::PortHistory& history, SeriesChart::Points& points) {
  for (std::size_t i = 0; i < history.pcOffset.size(); ++i) {
    Append(points, history.pcOffset[i].utc, history.pcOffset[i].offset * 1000);
  }
}

struct StripLines {
  const char* title;
  const char* unit;
  std::vector<SeriesChart::Line> lines;
};

// The strips top to bottom; the PC clock's offset comes last.
const std::vector<StripLines> kStrips{
    {"Clock bias", "ns", {{Qt::blue, SeriesLine<ClockBias>}}},
    {"Bias rate", "ppb", {{Qt::darkMagenta, SeriesLine<BiasRate>}}},
    {"PDOP, HDOP", "", {{Qt::red, SeriesLine<Pdop>}, {Qt::darkGreen, SeriesLine<Hdop>}}},
    {"SVs used", "", {{Qt::black, SeriesLine<SvsUsed>}}},
    {reports::kPcOffsetTitle, "ms", {{Qt::darkCyan, PcOffsetLine}}},
};

// The newest key of any graph, or of the events.
double NewestOf(const std::vector<QCPGraph*>& graphs, std::optional<double> newest) {
  for (const QCPGraph* g : graphs) {
    if (g->data()->isEmpty()) continue;
    const double last = (g->data()->constEnd() - 1)->key;
    newest = newest ? std::max(*newest, last) : last;
  }
  return newest.value_or(0);
}

}  // namespace

SeriesChart::SeriesChart(HistorySource source, QWidget* parent)
    : QCustomPlot(parent), source_(std::move(source)), span_(reports::kDefaultSpan) {
  setObjectName("Chart_Series");
  setFixedSize(688, 580);
  setViewport(rect());  // a chart never shown gets no resize event
  plotLayout()->clear();
  for (const StripLines& strip : kStrips) addStrip(strip.title, strip.unit, strip.lines);
  addOffsetNote();
  events_ = std::make_unique<EventStrip>(this, static_cast<int>(strips_.size()));
  connect(events_->timeAxis(), qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
          &SeriesChart::shareTimeRange);
  auto* margins = new QCPMarginGroup(this);
  for (const Strip& s : strips_) s.rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
  events_->rect()->setMarginGroup(QCP::msLeft | QCP::msRight, margins);
  timeAxis()->setTickLabels(true);
  setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  connect(this, &QCustomPlot::mousePress, this, &SeriesChart::stopFollowing);
  connect(this, &QCustomPlot::mouseWheel, this, &SeriesChart::stopFollowing);
  connect(this, &QCustomPlot::mouseDoubleClick, this, &SeriesChart::resetView);
  connect(this, &QCustomPlot::mouseMove, this, &SeriesChart::showEventHint);
}

SeriesChart::~SeriesChart() = default;

void SeriesChart::addStrip(const QString& title, const QString& unit,
                           const std::vector<Line>& lines) {
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
  for (const Line& l : lines) {
    auto* graph = new QCPGraph(time, value);
    graph->setPen(QPen(l.colour, 1.5));
    graph->setAdaptiveSampling(true);
    strip.graphs.push_back(graph);
    strip.readers.push_back(l.read);
  }
  strips_.push_back(strip);
}

// A line of small text in the offset strip's top left corner.
void SeriesChart::addOffsetNote() {
  QCPAxisRect* rect = strips_.back().rect;
  offsetNote_ = new QCPItemText(this);
  offsetNote_->setClipAxisRect(rect);
  offsetNote_->position->setType(QCPItemPosition::ptAxisRectRatio);
  offsetNote_->position->setAxisRect(rect);
  offsetNote_->position->setCoords(0.01, 0.04);
  offsetNote_->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
  offsetNote_->setColor(Qt::darkGray);
  QFont small = font();
  if (small.pointSizeF() > 0) small.setPointSizeF(small.pointSizeF() * 0.85);
  offsetNote_->setFont(small);
  setRecorded(false);
}

void SeriesChart::setRecorded(bool recorded) {
  offsetNote_->setText(recorded ? reports::kPcOffsetRecordedNote : reports::kPcOffsetLiveNote);
}

QString SeriesChart::offsetNote() const {
  return offsetNote_->text();
}

QCPAxis* SeriesChart::timeAxis() const {
  return events_->timeAxis();
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
  if (history) {
    loadSeries(*history);
  } else {
    for (const Strip& s : strips_) {
      for (QCPGraph* graph : s.graphs) graph->data()->clear();
    }
    events_->clear();
  }
  const bool dated = history && history->timeBase.known();
  timeAxis()->setLabel(dated ? "Time (UTC)" : "GPS time of week");
  if (following_) showSpan(newest_);
  fitValues();
  replot();
}

void SeriesChart::loadSeries(const reports::PortHistory& history) {
  std::vector<QCPGraph*> all;
  for (const Strip& s : strips_) {
    for (std::size_t l = 0; l < s.graphs.size(); ++l) {
      Points points;
      s.readers[l](history, points);
      s.graphs[l]->data()->set(points, true);
      all.push_back(s.graphs[l]);
    }
  }
  events_->load(history.timeline.events());
  newest_ = NewestOf(all, events_->newest());
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
  qSharedPointerCast<QCPAxisTickerDateTime>(timeAxis()->ticker())->setDateTimeFormat(format);
}

// Every value axis spans the values in view, a little wider.
void SeriesChart::fitValues() {
  const QCPRange time = timeAxis()->range();
  for (const Strip& s : strips_) {
    QCPRange all;
    bool any = false;
    for (QCPGraph* graph : s.graphs) {
      bool found = false;
      const QCPRange r = graph->getValueRange(found, QCP::sdBoth, time);
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
  events_->timeAxis()->setRange(range);
  sharing_ = false;
  if (!following_) fitValues();
}

void SeriesChart::showEventHint(QMouseEvent* event) {
  const QString hint = events_->hintAt(event->position());
  if (hint.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(event->globalPosition().toPoint(), hint, this);
  }
}

std::vector<int> SeriesChart::pointCounts() const {
  std::vector<int> counts;
  for (const Strip& s : strips_) {
    int n = 0;
    for (auto it = s.graphs[0]->data()->constBegin(); it != s.graphs[0]->data()->constEnd(); ++it) {
      if (std::isfinite(it->value)) ++n;
    }
    counts.push_back(n);
  }
  return counts;
}

}  // namespace navbin::ui

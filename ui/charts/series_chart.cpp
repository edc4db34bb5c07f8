#include "ui/charts/series_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "protocol/history/chart_geometry.h"

namespace navbin::ui {
namespace {

constexpr int kStrips = 4;
constexpr double kLeft = 64;    // room for the value labels
constexpr double kBottom = 22;  // room for the time labels
// A pause longer than this between two points breaks the line.
constexpr double kGapSeconds = 10;

const reports::SeriesSpan& SpanAt(int index) {
  return reports::kSeriesSpans[static_cast<std::size_t>(index)];
}

QString ValueText(double v) {
  return QString::number(v, 'g', 6);
}

}  // namespace

SeriesChart::SeriesChart(const SkyFeed& feed, QWidget* parent)
    : QWidget(parent), feed_(feed), span_(reports::kDefaultSpan) {
  setObjectName("Chart_Series");
  setFixedSize(688, 400);
}

void SeriesChart::setSpan(int index) {
  if (index < 0 || index >= static_cast<int>(reports::kSeriesSpans.size())) return;
  span_ = index;
  update();
}

double SeriesChart::xOf(const QRectF& area, double timeOfFix) const {
  const double age = reports::AgeOf(series_->newest().timeOfFix, timeOfFix);
  return area.right() - area.width() * age / SpanAt(span_).seconds;
}

void SeriesChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const auto port = feed_.displayIndex();
  series_ = port ? &feed_.history.port(*port).series : nullptr;
  const double stripHeight = (height() - kBottom) / kStrips;
  auto strip = [&](int i) {
    return QRectF(kLeft, stripHeight * i + 16, width() - kLeft - 8, stripHeight - 22);
  };
  using P = reports::SeriesPoint;
  drawStrip(p, strip(0), "Clock bias (ns)", {{[](const P& s) { return s.clockBias; }, Qt::blue}});
  drawStrip(p, strip(1), "Bias rate (ppb)",
            {{[](const P& s) { return double(s.biasRate); }, Qt::darkMagenta}});
  drawStrip(p, strip(2), "PDOP (red), HDOP (green)",
            {{[](const P& s) { return double(s.pdop); }, Qt::red},
             {[](const P& s) { return double(s.hdop); }, Qt::darkGreen}});
  drawStrip(p, strip(3), "Satellites used",
            {{[](const P& s) { return double(s.svsUsed); }, Qt::black}});
  drawTimeAxis(p, strip(3));
  series_ = nullptr;
}

void SeriesChart::drawStrip(QPainter& p, const QRectF& area, const QString& title,
                            const std::vector<Line>& lines) const {
  p.setPen(palette().mid().color());
  p.setBrush(Qt::NoBrush);
  p.drawRect(area);
  p.setPen(palette().text().color());
  p.drawText(QPointF(area.left(), area.top() - 3), title);
  if (!series_ || series_->empty()) return;
  const double span = SpanAt(span_).seconds;
  const double newest = series_->newest().timeOfFix;
  // The value range of the points in view.
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (std::size_t i = 0; i < series_->size(); ++i) {
    const auto& point = (*series_)[i];
    if (reports::AgeOf(newest, point.timeOfFix) > span) continue;
    for (const Line& line : lines) {
      const double v = line.value(point);
      if (!std::isfinite(v)) continue;
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
  if (!(low <= high)) return;
  if (high - low < 1e-9) {
    low -= 1;
    high += 1;
  }
  p.drawText(QRectF(0, area.top() - 6, kLeft - 4, 14), Qt::AlignRight, ValueText(high));
  p.drawText(QRectF(0, area.bottom() - 8, kLeft - 4, 14), Qt::AlignRight, ValueText(low));
  p.save();
  p.setClipRect(area.adjusted(-1, -1, 1, 1));
  for (const Line& line : lines) {
    p.setPen(QPen(line.colour, 1.5));
    QPointF last;
    double lastTime = std::numeric_limits<double>::quiet_NaN();
    for (std::size_t i = 0; i < series_->size(); ++i) {
      const auto& point = (*series_)[i];
      const double v = line.value(point);
      if (reports::AgeOf(newest, point.timeOfFix) > span || !std::isfinite(v)) {
        lastTime = std::numeric_limits<double>::quiet_NaN();
        continue;
      }
      const QPointF at(xOf(area, point.timeOfFix),
                       area.bottom() - area.height() * (v - low) / (high - low));
      const bool joined = reports::AgeOf(point.timeOfFix, lastTime) <= kGapSeconds;
      if (joined)
        p.drawLine(last, at);
      else
        p.drawPoint(at);
      last = at;
      lastTime = point.timeOfFix;
    }
  }
  p.restore();
}

void SeriesChart::drawTimeAxis(QPainter& p, const QRectF& area) const {
  p.setPen(palette().text().color());
  if (!series_ || series_->empty()) {
    p.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), 16), Qt::AlignCenter,
               "No position reports yet");
    return;
  }
  const auto& s = SpanAt(span_);
  const double newest = series_->newest().timeOfFix;
  // Ticks at whole multiples of the step in GPS time of day.
  const double first = std::ceil((newest - s.seconds) / s.tickStep) * s.tickStep;
  for (double t = first; t <= newest; t += s.tickStep) {
    const double x = area.right() - area.width() * (newest - t) / s.seconds;
    p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
    // Labels at the ends stay inside the chart.
    const double left = std::clamp(x - 30, area.left() - 30, double(width()) - 60);
    p.drawText(QRectF(left, area.bottom() + 4, 60, 16), Qt::AlignCenter,
               QString::fromStdString(reports::TimeOfDayText(t)).left(5));
  }
  p.drawText(QRectF(0, 0, width() - 8, 14), Qt::AlignRight, "Time: GPS time of day");
}

}  // namespace navbin::ui

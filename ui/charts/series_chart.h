#pragma once
// Time series of the display port over a chosen span: clock bias (ns), bias
// rate (ppb), PDOP and HDOP, satellites used; one strip each over a shared
// time axis in GPS time of day.

#include <QWidget>
#include <functional>

#include "protocol/history/report_history.h"
#include "ui/charts/sky_feed.h"

namespace navbin::ui {

class SeriesChart : public QWidget {
  Q_OBJECT
 public:
  SeriesChart(const SkyFeed& feed, QWidget* parent);

  // Index into reports::kSeriesSpans.
  void setSpan(int index);
  int span() const { return span_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  using Value = std::function<double(const reports::SeriesPoint&)>;
  struct Line {
    Value value;
    QColor colour;
  };
  void drawStrip(QPainter& p, const QRectF& area, const QString& title,
                 const std::vector<Line>& lines) const;
  void drawTimeAxis(QPainter& p, const QRectF& area) const;
  double xOf(const QRectF& area, double timeOfFix) const;

  const SkyFeed& feed_;
  const reports::BoundedRing<reports::SeriesPoint>* series_ = nullptr;  // while painting
  int span_;
};

}  // namespace navbin::ui

#pragma once
// Time series of a port over a chosen span: clock bias (ns), bias rate (ppb),
// PDOP and HDOP, satellites used; one strip each over a shared time axis in
// UTC. The mouse wheel zooms and a drag pans the time axis; a double click
// returns to the newest span, which the chart then follows again.

#include <qcustomplot.h>
#include <functional>
#include <string>
#include <vector>

#include "protocol/history/report_history.h"

namespace navbin::ui {

// The history a chart shows; null while there is none.
using HistorySource = std::function<const reports::PortHistory*()>;

class SeriesChart : public QCustomPlot {
  Q_OBJECT
 public:
  SeriesChart(HistorySource source, QWidget* parent);

  // Index into reports::kSeriesSpans; shows the newest span again.
  void setSpan(int index);
  int span() const { return span_; }
  // Reads the series again and, unless the user zoomed or panned, shows its
  // newest span.
  void refresh();
  void resetView();

  // Points (gaps left out) of each strip's first line, as last read.
  std::vector<int> pointCounts() const;
  // The strips' value axes and the shared time axis, for tests.
  QCPAxis* timeAxis() const;
  QCPAxis* valueAxis(int strip) const;

 private:
  struct Strip {
    QCPAxisRect* rect = nullptr;
    std::vector<QCPGraph*> lines;
  };
  void addStrip(const QString& title, const QString& unit, std::vector<QColor> colours);
  void loadSeries(const reports::PortHistory& history);
  void showSpan(double newest);
  void fitValues();
  void shareTimeRange(const QCPRange& range);
  void stopFollowing() { following_ = false; }

  HistorySource source_;
  std::vector<Strip> strips_;
  double newest_ = 0;  // UTC seconds of the newest point
  int span_;
  bool following_ = true;
  bool sharing_ = false;  // inside shareTimeRange
};

}  // namespace navbin::ui

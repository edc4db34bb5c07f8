#pragma once
// Time series of a port over a chosen span: clock bias (ns), bias rate (ppb),
// PDOP and HDOP, satellites used, the PC clock's offset from the receiver's
// time (ms); one strip each over a shared time axis in UTC, and the event
// timeline under them. The mouse wheel zooms and a drag pans the time axis; a
// double click returns to the newest span, which the chart then follows
// again. The pointer over an event shows its time and text.

#include <qcustomplot.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "protocol/history/report_history.h"
#include "ui/charts/event_strip.h"

namespace navbin::ui {

// The history a chart shows; null while there is none.
using HistorySource = std::function<const reports::PortHistory*()>;

class SeriesChart : public QCustomPlot {
  Q_OBJECT
 public:
  using Points = QVector<QCPGraphData>;
  // Appends one line's points, at their UTC times, from the history.
  using LineReader = void (*)(const reports::PortHistory&, Points&);
  struct Line {
    QColor colour;
    LineReader read;
  };

  SeriesChart(HistorySource source, QWidget* parent);
  ~SeriesChart() override;

  // Index into reports::kSeriesSpans; shows the newest span again.
  void setSpan(int index);
  int span() const { return span_; }
  // Reads the series again and, unless the user zoomed or panned, shows its
  // newest span.
  void refresh();
  void resetView();
  // Whether a recording is shown: it has no PC clock, and the offset strip
  // says so.
  void setRecorded(bool recorded);

  // Points (gaps left out) of each strip's first line, as last read.
  std::vector<int> pointCounts() const;
  // The strips' value axes and the shared time axis, for tests.
  QCPAxis* timeAxis() const;
  QCPAxis* valueAxis(int strip) const;
  const EventStrip& eventStrip() const { return *events_; }
  // The note in the offset strip.
  QString offsetNote() const;

 private:
  struct Strip {
    QCPAxisRect* rect = nullptr;
    std::vector<QCPGraph*> graphs;
    std::vector<LineReader> readers;
  };
  void addStrip(const QString& title, const QString& unit, const std::vector<Line>& lines);
  void addOffsetNote();
  void loadSeries(const reports::PortHistory& history);
  void showSpan(double newest);
  void fitValues();
  void shareTimeRange(const QCPRange& range);
  void stopFollowing() { following_ = false; }
  void showEventHint(QMouseEvent* event);

  HistorySource source_;
  std::vector<Strip> strips_;
  std::unique_ptr<EventStrip> events_;
  QCPItemText* offsetNote_ = nullptr;
  double newest_ = 0;  // UTC seconds of the newest point
  int span_;
  bool following_ = true;
  bool sharing_ = false;  // inside shareTimeRange
};

}  // namespace navbin::ui

#pragma once
// The event timeline under the time series: one row per kind of event
// (alarms, mode, survey, PPS, port), a red mark for trouble and a green one
// for the rest, on the charts' UTC time axis. The pointer over a mark shows
// its time and text.

#include <qcustomplot.h>
#include <QString>
#include <optional>
#include <vector>

#include "protocol/history/event_timeline.h"

namespace navbin::ui {

class EventStrip {
 public:
  // Adds the strip to `plot`'s layout at `row`.
  EventStrip(QCustomPlot* plot, int row);

  QCPAxisRect* rect() const { return rect_; }
  QCPAxis* timeAxis() const { return rect_->axis(QCPAxis::atBottom); }
  QCPAxis* laneAxis() const { return rect_->axis(QCPAxis::atLeft); }

  // Reads the events again.
  void load(const reports::BoundedRing<reports::TimelineEvent>& events);
  void clear();

  const std::vector<reports::TimelineEvent>& events() const { return events_; }
  // The newest event's date, or nothing without events.
  std::optional<double> newest() const;
  // Where `event` is drawn, in the plot's pixels.
  QPointF pixelOf(const reports::TimelineEvent& event) const;
  // The hints of the marks within a few pixels of `pixel`, one a line (marks
  // of one second and row overlap); empty when there is none.
  QString hintAt(const QPointF& pixel) const;

 private:
  QCPAxisRect* rect_;
  QCPGraph* trouble_;
  QCPGraph* fine_;
  std::vector<reports::TimelineEvent> events_;
};

}  // namespace navbin::ui

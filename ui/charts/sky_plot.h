#pragma once
// The sky plot: every channel's satellite at its azimuth and elevation on a
// polar chart, north up, rings at 0, 30 and 60 degrees of elevation, labelled
// with its SV number and filled green when used in the fix, yellow when
// tracked only, grey when its channel row has gone stale.

#include <QWidget>

#include "ui/charts/sky_feed.h"

namespace navbin::ui {

class SkyPlot : public QWidget {
  Q_OBJECT
 public:
  SkyPlot(const SkyFeed& feed, QWidget* parent);

  // The horizon circle, in the widget's coordinates.
  QPointF centre() const;
  double radius() const;
  static constexpr int kMarkRadius = 9;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void drawGrid(QPainter& p) const;
  void drawSatellites(QPainter& p, std::size_t portIndex) const;

  const SkyFeed& feed_;
};

}  // namespace navbin::ui

#include "ui/charts/sky_plot.h"

#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

#include "protocol/history/chart_geometry.h"
#include "ui/widgets/colours.h"

namespace navbin::ui {
namespace {

constexpr int kSide = 320;
constexpr int kMargin = 22;  // room for the compass letters

}  // namespace

SkyPlot::SkyPlot(const SkyFeed& feed, QWidget* parent) : QWidget(parent), feed_(feed) {
  setObjectName("Chart_Sky");
  setFixedSize(kSide, kSide);
}

QPointF SkyPlot::centre() const {
  return QRectF(rect()).center();
}

double SkyPlot::radius() const {
  return std::min(width(), height()) / 2.0 - kMargin;
}

void SkyPlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  drawGrid(p);
  if (const auto port = feed_.displayIndex()) drawSatellites(p, *port);
}

void SkyPlot::drawGrid(QPainter& p) const {
  const QPointF c = centre();
  const double r = radius();
  p.setPen(QPen(palette().mid().color(), 1));
  for (int elevation : {0, 30, 60}) {
    const double ring = r * (90 - elevation) / 90.0;
    p.drawEllipse(c, ring, ring);
    p.drawText(QPointF(c.x() + 3, c.y() - ring + 12), QString("%1°").arg(elevation));
  }
  p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
  p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
  p.setPen(palette().text().color());
  const QRectF box(-8, -8, 16, 16);
  p.drawText(box.translated(c.x(), c.y() - r - 12), Qt::AlignCenter, "N");
  p.drawText(box.translated(c.x() + r + 12, c.y()), Qt::AlignCenter, "E");
  p.drawText(box.translated(c.x(), c.y() + r + 12), Qt::AlignCenter, "S");
  p.drawText(box.translated(c.x() - r - 12, c.y()), Qt::AlignCenter, "W");
}

void SkyPlot::drawSatellites(QPainter& p, std::size_t portIndex) const {
  const auto& sky = feed_.shownHistory().port(portIndex).sky;
  const auto& fixSvs = feed_.shownReports().receivers[portIndex].fixSvs;
  const auto& age = feed_.shownReports().globals.channelAge;
  const QPointF c = centre();
  std::vector<std::pair<QPointF, int>> labels;
  p.setPen(QPen(Qt::black, 1));
  for (std::size_t k = 0; k < sky.size(); ++k) {
    const reports::SkyChannel& s = sky[k];
    if (!s.reported) continue;
    const auto at = reports::SkyPlace(s.elevation, s.azimuth, radius());
    if (!at) continue;
    const QPointF dot = c + QPointF(at->dx, at->dy);
    const reports::SkyMark mark = reports::MarkOf(s.sv, fixSvs, age[k] <= 0);
    p.setBrush(ToQColor(reports::MarkColour(mark), palette()));
    p.drawEllipse(dot, kMarkRadius, kMarkRadius);
    labels.emplace_back(dot, s.sv);
  }
  // Labels go beside the marks, after all of them, so that none is covered.
  for (const auto& [dot, sv] : labels) {
    p.drawText(dot + QPointF(kMarkRadius + 1, -kMarkRadius + 2), QString::number(sv));
  }
}

}  // namespace navbin::ui

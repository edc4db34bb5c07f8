#include "ui/charts/signal_bars.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "protocol/history/chart_geometry.h"
#include "ui/widgets/colours.h"

namespace navbin::ui {
namespace {

using reports::Colour;

// Levels above this fill the bar; receivers report up to about 25 AMU.
constexpr double kFullScale = 30.0;

}  // namespace

SignalBars::SignalBars(const SkyFeed& feed, QWidget* parent) : QWidget(parent), feed_(feed) {
  setObjectName("Chart_Signals");
  setFixedSize(360, 320);
}

void SignalBars::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  const QRectF area = QRectF(rect()).adjusted(28, 24, -8, -36);
  p.setPen(palette().mid().color());
  for (int level = 0; level <= kFullScale; level += 10) {
    const double y = area.bottom() - area.height() * level / kFullScale;
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    p.drawText(QRectF(0, y - 8, 24, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(level));
  }
  p.setPen(palette().text().color());
  p.drawText(QRectF(0, 2, width(), 18), Qt::AlignCenter, "Signal level (AMU) by channel");
  const auto port = feed_.displayIndex();
  if (!port) return;
  const auto& sky = feed_.shownHistory().port(*port).sky;
  const auto& fixSvs = feed_.shownReports().receivers[*port].fixSvs;
  const auto& age = feed_.shownReports().globals.channelAge;
  const double slot = area.width() / reports::kChannelCount;
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.8);
  for (std::size_t k = 0; k < sky.size(); ++k) {
    const double x = area.left() + slot * static_cast<double>(k);
    p.setPen(palette().text().color());
    p.drawText(QRectF(x, area.bottom() + 16, slot, 16), Qt::AlignCenter, QString::number(k + 1));
    const reports::SkyChannel& s = sky[k];
    if (!s.reported) continue;
    p.drawText(QRectF(x, area.bottom() + 2, slot, 16), Qt::AlignCenter, QString::number(s.sv));
    const double level =
        std::isfinite(s.level) ? std::clamp(std::fabs(s.level), 0.0, kFullScale) : 0.0;
    const double h = area.height() * level / kFullScale;
    const bool stale = age[k] <= 0;
    const Colour fill = reports::MarkColour(reports::MarkOf(s.sv, fixSvs, stale));
    p.setPen(Qt::black);
    p.setBrush(ToQColor(fill, palette()));
    p.drawRect(QRectF(x + 3, area.bottom() - h, slot - 6, h));
    p.save();
    p.setFont(small);
    p.drawText(QRectF(x, area.bottom() - h - 16, slot, 16), Qt::AlignCenter,
               QString::number(s.level, 'f', 1));
    p.restore();
  }
}

}  // namespace navbin::ui

#include "ui/forms/about_emblem.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace navbin::ui {

namespace {

void DrawBackground(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kEmblemHeight);
  sky.setColorAt(0, QColor(0x12, 0x2a, 0x52));
  sky.setColorAt(1, QColor(0x05, 0x10, 0x24));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRoundedRect(QRectF(0, 0, kEmblemWidth, kEmblemHeight), 6, 6);
}

void DrawGlobe(QPainter& p, const QPointF& centre, qreal r) {
  QRadialGradient sea(centre - QPointF(r / 3, r / 3), r * 1.4);
  sea.setColorAt(0, QColor(0x4f, 0xa8, 0xe8));
  sea.setColorAt(1, QColor(0x10, 0x4a, 0x8c));
  p.setBrush(sea);
  p.setPen(QPen(QColor(0xa8, 0xd8, 0xff), 1));
  p.drawEllipse(centre, r, r);
  // Graticule: equator, two parallels and two meridians.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xa8, 0xd8, 0xff, 150), 0.8));
  p.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
  p.drawEllipse(centre, r * 0.45, r);
  p.drawLine(QPointF(centre.x(), centre.y() - r), QPointF(centre.x(), centre.y() + r));
  for (qreal dy : {-r * 0.5, r * 0.5}) {
    const qreal half = r * 0.866;
    p.drawLine(QPointF(centre.x() - half, centre.y() + dy),
               QPointF(centre.x() + half, centre.y() + dy));
  }
}

void DrawOrbitAndSatellite(QPainter& p, const QPointF& centre) {
  p.save();
  p.translate(centre);
  p.rotate(-24);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xff, 0xd0, 0x40), 1.2, Qt::DashLine));
  p.drawEllipse(QPointF(0, 0), 27, 9);
  // The satellite sits on the orbit's right end: a body with two solar wings.
  p.translate(27, 0);
  p.rotate(24);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.6));
  p.setBrush(QColor(0xe8, 0xe8, 0xe8));
  p.drawRect(QRectF(-2.5, -2.5, 5, 5));
  p.setBrush(QColor(0x30, 0x70, 0xd0));
  p.drawRect(QRectF(-9, -1.5, 5.5, 3));
  p.drawRect(QRectF(3.5, -1.5, 5.5, 3));
  p.restore();
}

void DrawName(QPainter& p) {
  QFont title("Sans", 15, QFont::Bold);
  title.setPixelSize(20);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRectF(64, 8, 84, 26), Qt::AlignLeft | Qt::AlignVCenter, "NavBin");
  QFont sub("Sans");
  sub.setPixelSize(10);
  sub.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
  p.setFont(sub);
  p.setPen(QColor(0x9c, 0xc8, 0xf0));
  p.drawText(QRectF(65, 34, 84, 16), Qt::AlignLeft | Qt::AlignVCenter, "MONITOR");
}

}  // namespace

QPixmap DrawAboutEmblem() {
  QPixmap pixmap(kEmblemWidth, kEmblemHeight);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawBackground(p);
  const QPointF centre(32, kEmblemHeight / 2.0);
  DrawGlobe(p, centre, 19);
  DrawOrbitAndSatellite(p, centre);
  DrawName(p);
  return pixmap;
}

}  // namespace navbin::ui
